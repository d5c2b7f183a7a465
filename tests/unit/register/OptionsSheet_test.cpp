// Details, options, the probability-impact definition and the scenarios of the Options sheet.
#include <gtest/gtest.h>

#include "unit/register/RegisterFixture.h"

namespace velloway::test {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

using OptionsImport = RegisterImport;

// The values and order of the sections are the kept example's to check (the end-to-end dump);
// here the removal of what the plan held, the title's line break, the rounding and the empty
// level cells.
TEST_F(OptionsImport, WritesEveryOptionsSection) {
  OptionsSheet();
  Option("B3", "Harbour\nBridge").Option("B57", "no scenarios, so never read");
  // Whole numbers round halves to even and keep their sign; empty level cells still give tabs.
  Option("B41", 1.5).Option("B42", 2.5).Option("B43", -1.0).Option("B44", " 7 ");
  for (const char* cell : {"B16", "C16", "D16", "E16", "F16"}) ClearOption(cell);
  Import();
  EXPECT_TRUE(fakes.ui->boxes.empty());
  ASSERT_FALSE(fakes.host->plan->calls.empty());
  const PlanCall& clear = fakes.host->plan->calls[0];
  EXPECT_EQ(clear.op + clear.tag + clear.value, "WriteAppDataRR2");
  EXPECT_EQ(Sections(), (std::vector<std::string>{"Details", "RiskOptions", "RiskPID"}));
  EXPECT_EQ(Section("Details")[1],
            (std::pair<std::string, std::string>{"Title", "Harbour<CRLF>Bridge"}));
  const Values options = Section("RiskOptions");
  ASSERT_EQ(options.size(), 10u);
  std::string rounded;
  for (std::size_t i = 5; i <= 8; ++i) rounded += options[i].second + " ";
  EXPECT_EQ(rounded, "2 2 -1 7 ");
  EXPECT_EQ(Section("RiskPID")[5], (std::pair<std::string, std::string>{"Schedule", "\t\t\t\t"}));
  // The road completed: the model is released and the form is gone.
  EXPECT_FALSE(RegisterRun(state).model.pid.has_value());
  EXPECT_EQ(RegisterRun(state).form, nullptr);
  EXPECT_EQ(fakes.host->formActive.back(), false);
}

// Each of these cell changes ("B36=" empties B36) makes the load fail: one message however many
// loaders fail, and nothing reaches the plan.
class FailingOptionsCell : public RegisterImport,
                           public ::testing::WithParamInterface<std::vector<const char*>> {};

TEST_P(FailingOptionsCell, StopsTheImportWithOneMessageAndWritesNothing) {
  OptionsSheet();
  for (const std::string change : GetParam()) {
    const std::size_t eq = change.find('=');
    if (eq + 1 == change.size()) {
      ClearOption(change.substr(0, eq));
    } else {
      Option(change.substr(0, eq), change.substr(eq + 1));
    }
  }
  Import();
  ASSERT_EQ(BoxTexts(),
            std::vector<std::string>{"Kestrion was unable to load the risks from Excel."});
  EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::Critical);
  EXPECT_EQ(WriteCount(), 0);
  // The failed road leaves nothing behind for a later import.
  EXPECT_FALSE(RegisterRun(state).model.options.has_value());
  EXPECT_FALSE(RegisterRun(state).model.scenarioNames.has_value());
  EXPECT_EQ(RegisterRun(state).form, nullptr);
}

using Changes = std::vector<const char*>;
INSTANTIATE_TEST_SUITE_P(Cells, FailingOptionsCell,
                         ::testing::Values(Changes{"B36="}, Changes{"B40=abc"},
                                           Changes{"B45=3000000000"}, Changes{"B19="},
                                           Changes{"C22=high"}, Changes{"B25=x"}, Changes{"B56="},
                                           Changes{"B36=", "B22="}));

TEST_F(OptionsImport, ThreeScenariosAreReadFromTheirThreeRowBlocks) {
  OptionsSheet();
  Option("B56", 3.0).Option("B57", "Base").Option("B58", "Optimistic");
  Option("B60", "never read").Option("B61", "True").Option("B62", "Base");
  Option("B63", "never read").Option("B64", "False");
  Option("B66", "never read").Option("B67", "1").Option("B68", "Optimistic");
  Import();
  EXPECT_EQ(Section("QuantData"), (Values{{"1", "Base"}, {"2", "Optimistic"}, {"3", ""}}));
  EXPECT_EQ(Section("Scenario1"), (Values{{"bImpactsLinked", "True"}, {"LinkedTo", "Base"}}));
  EXPECT_EQ(Section("Scenario2"), (Values{{"bImpactsLinked", "False"}, {"LinkedTo", ""}}));
  EXPECT_EQ(Section("Scenario3"), (Values{{"bImpactsLinked", "1"}, {"LinkedTo", "Optimistic"}}));
}

}  // namespace
}  // namespace velloway::test
