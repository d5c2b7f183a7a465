// The response action sheet into the actions of the risks.
#include "core/Messages.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway {
namespace {

using test::OlderWorkbook;
using test::Text;
using Strings = std::vector<std::string>;

class ImportResponseActions : public test::SheetStepsTest {
 protected:
  // Risk R1 with a response cost of 42, and the actions given.
  OlderWorkbook WithActions(const std::vector<OlderWorkbook::Row>& actions) {
    return OlderWorkbook()
        .Records("Qualitative Risks", {OlderWorkbook::Risk("R1", {{9, "42"}})})
        .Records("Response Actions", actions);
  }
};

TEST_F(ImportResponseActions, ActionsJoinTheirRiskInSheetOrder) {
  // Probability after the action in N (14), score in Q (17): O and P are impacts named in row 2,
  // R to V the user texts.
  EXPECT_TRUE(Import(
      WithActions(
          {{"Review", "R1", "Weekly", "Ann", "2025-01-13", "2025-05-30", "2025-01-06", "",
            "100",    "20", "T1",     "",    "",           "VH",         "H",          "L",
            "9",      "t1", "",       "",    "",           "t5"},
           {"No risk ID"},
           {"Fast track", "R1", "Packages", "", "2025-02-03", "2025-03-28", "", "", "250.5"},
           {"", "R1", "Watch", "", "2025-02-03", "2025-03-28"},
           {"Lost", "R9"}})
          .Option("B20", "14")
          .Option("B21", "17")
          .Cells("Response Actions", 2,
                 {"", "Risk ID", "", "", "", "", "", "", "", "", "", "", "", "", "Cost", "Time"})));
  xmlNodePtr risk = Risk("R1");
  EXPECT_EQ(Texts(risk, "ResponseActions/ResponseAction", "Description"),
            (Strings{"Weekly", "Packages", "Watch"}));
  EXPECT_EQ(Text(risk, "ResponseHasActions"), "true");
  EXPECT_EQ(Text(risk, "ResponseTotalCost"), "350.5");  // 100 + 250.5 + 0
  xmlNodePtr first = modXMLToolbox::SelectSingleNode(risk, "ResponseActions/ResponseAction");
  EXPECT_EQ(Texts(first, "AfterAction/Impacts/Impact", "@Name"), (Strings{"Cost", "Time"}));
  EXPECT_EQ(Texts(first, "AfterAction/Impacts/Impact", "Value"), (Strings{"3", "1"}));
  test::ExpectTexts(first, {"AfterAction/Probability=5", "AfterAction/Score=9",
                            "TargetStartDate=2025-01-06", "FinishDate=2025-05-30", "ActualCost=20",
                            "TaskID=T1", "UserText1=t1", "UserText5=t5"});
  EXPECT_EQ(LastLabel("Importing Mitigation Action - "),
            "Importing Mitigation Action - R9 (4 of 4)");
  EXPECT_EQ(ErrorLines(),
            Strings{"Could not add Mitiagtion Action as Risk (ID -R9) does not exist"});
}

TEST_F(ImportResponseActions, ACostThatIsNoNumberEndsTheStepOnly) {
  EXPECT_TRUE(Import(WithActions({{"A", "R1", "Good", "", "", "", "", "", "10"},
                                  {"B", "R1", "Bad", "", "", "", "", "", "lots"},
                                  {"C", "R1", "Unread"}})));
  EXPECT_EQ(ErrorLines(),
            Strings{"An unknown error occured whilst reading mitgation - Badfor risk - R1."});
  EXPECT_EQ(BoxTexts(), (Strings{msg::kActionsFailed, msg::kViewErrors}));
  EXPECT_EQ(Texts(Risk("R1"), "ResponseActions/ResponseAction", "Description"), Strings{"Good"});
  EXPECT_TRUE(Stored());
}

// The final calculations stop at a sum that overflows and leave the total the risk had.
TEST_F(ImportResponseActions, ACostSumThatOverflowsEndsTheFinalCalculations) {
  EXPECT_TRUE(Import(WithActions({{"A", "R1", "Big", "", "", "", "", "", "1E+308"},
                                  {"B", "R1", "Bigger", "", "", "", "", "", "1E+308"}})));
  EXPECT_EQ(BoxTexts(), Strings{msg::kFinalCalculationsFailed});
  EXPECT_EQ(Text(Risk("R1"), "ResponseTotalCost"), "42");
  EXPECT_TRUE(Stored());
}

}  // namespace
}  // namespace velloway
