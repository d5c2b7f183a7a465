// Details, options, the probability-impact definition and the scenarios of the Options sheet.
#include <gtest/gtest.h>

#include "unit/register/RegisterFixture.h"

namespace velloway::test {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

using OptionsImport = RegisterImport;

TEST_F(OptionsImport, WritesEveryOptionsSectionInOrder) {
  // The user's own separator is a comma; the import reads and writes with ".".
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal",
                              ",");
  OptionsSheet();
  Option("B3", "Harbour\nBridge");
  Import();
  EXPECT_TRUE(fakes.ui->boxes.empty());
  ASSERT_FALSE(fakes.host->plan->calls.empty());
  EXPECT_EQ(fakes.host->plan->calls[0].op, "WriteAppData");
  EXPECT_EQ(fakes.host->plan->calls[0].tag, "RR2");
  EXPECT_EQ(fakes.host->plan->calls[0].value, "");
  EXPECT_EQ(Sections(), (std::vector<std::string>{"Details", "RiskOptions", "RiskPID"}));
  EXPECT_EQ(Section("Details"),
            (Values{{"Currency", "$"}, {"Title", "Harbour<CRLF>Bridge"}, {"Version", "2.2"}}));
  EXPECT_EQ(Section("RiskOptions"), (Values{{"rgbTarget", "9602507"},
                                            {"rgbCurrent", "14871722"},
                                            {"rgbOpportunity", "12561751"},
                                            {"rgbThreat", "5992447"},
                                            {"CostsIncludeDur", "0"},
                                            {"SpreadCosts", "1"},
                                            {"MaxVHValue", "2"},
                                            {"DefaultShape", "1"},
                                            {"InCludeRisksWithScoreNum", "0"},
                                            {"InCludeRisksWithScore", "0"}}));
  std::string scores;
  for (int i = 1; i <= 25; ++i) scores += std::to_string(i) + "\t";
  EXPECT_EQ(Section("RiskPID"), (Values{{"PerfVH", "Critical"},
                                        {"PerfH", "Major"},
                                        {"PerfM", "Moderate"},
                                        {"PerfL", "Minor"},
                                        {"PerfVL", "Negligible"},
                                        {"Schedule", "S1\tS2\tS3\tS4\tS5"},
                                        {"Costs", "C1\tC2\tC3\tC4\tC5"},
                                        {"Probabilities", "0.2\t0.4\t0.6\t0.8\t1"},
                                        {"PIScores", scores},
                                        {"ScoreWithImpactPerf", "1"},
                                        {"ScoreWithImpactTime", "1"},
                                        {"ScoreWithImpactCost", "0"},
                                        {"Thresholds", "0.5\t1.25"},
                                        {"NumImpacts", "5"},
                                        {"NumProbs", "5"},
                                        {"RiskScoring", "2"}}));
  EXPECT_EQ(*fakes.registry->ReadString(RegistryHive::CurrentUser, "Control Panel\\International",
                                        "sDecimal"),
            ",");
  // The road completed: the model is released and the form is gone.
  EXPECT_FALSE(RegisterRun(state).model.pid.has_value());
  EXPECT_EQ(RegisterRun(state).form, nullptr);
  EXPECT_EQ(fakes.host->formActive.back(), false);
}

TEST_F(OptionsImport, WholeNumbersRoundHalvesToEvenAndKeepTheirSign) {
  OptionsSheet();
  Option("B41", 1.5).Option("B42", 2.5).Option("B43", -1.0).Option("B44", " 7 ");
  Import();
  const Values options = Section("RiskOptions");
  ASSERT_EQ(options.size(), 10u);
  EXPECT_EQ(options[5].second, "2");
  EXPECT_EQ(options[6].second, "2");
  EXPECT_EQ(options[7].second, "-1");
  EXPECT_EQ(options[8].second, "7");
}

TEST_F(OptionsImport, EmptyLevelCellsStillGiveFourTabs) {
  OptionsSheet();
  for (const char* cell : {"B16", "C16", "D16", "E16", "F16"}) ClearOption(cell);
  Import();
  EXPECT_EQ(Section("RiskPID")[5], (std::pair<std::string, std::string>{"Schedule", "\t\t\t\t"}));
}

// Each of these cells makes the load fail: one message, and nothing reaches the plan.
class FailingOptionsCell
    : public RegisterImport,
      public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(FailingOptionsCell, StopsTheImportWithOneMessageAndWritesNothing) {
  OptionsSheet();
  if (*GetParam().second == '\0') {
    ClearOption(GetParam().first);
  } else {
    Option(GetParam().first, GetParam().second);
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

INSTANTIATE_TEST_SUITE_P(Cells, FailingOptionsCell,
                         ::testing::Values(std::pair{"B36", ""}, std::pair{"B40", "abc"},
                                           std::pair{"B45", "3000000000"}, std::pair{"B19", ""},
                                           std::pair{"C22", "high"}, std::pair{"B25", "x"},
                                           std::pair{"B56", ""}));

TEST_F(OptionsImport, TwoFailingLoadersStillGiveOneMessage) {
  OptionsSheet();
  ClearOption("B36").ClearOption("B22");
  Import();
  EXPECT_EQ(fakes.ui->boxes.size(), 1u);
}

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

TEST_F(OptionsImport, NoScenariosWriteNoScenarioSections) {
  OptionsSheet();
  Option("B56", 0.0).Option("B57", "ignored");
  Import();
  EXPECT_TRUE(Section("QuantData").empty());
  EXPECT_TRUE(Section("Scenario1").empty());
  EXPECT_FALSE(Section("RiskPID").empty());
}

}  // namespace
}  // namespace velloway::test
