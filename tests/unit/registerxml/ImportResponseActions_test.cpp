// The response action sheet into the actions of the risks, through the reader, the driver and
// the recording plan.
#include "control/Messages.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway {
namespace {

using test::OlderWorkbook;
using test::Text;
using Row = OlderWorkbook::Row;
using Strings = std::vector<std::string>;

class ImportResponseActions : public test::SheetStepsTest {
 protected:
  // Risk R1 with a response cost of 42, and the actions given.
  OlderWorkbook WithActions(const std::vector<Row>& actions) {
    OlderWorkbook workbook;
    workbook.Records("Qualitative Risks", {OlderWorkbook::Risk("R1", {{9, "42"}})})
        .Records("Response Actions", actions);
    return workbook;
  }
};

TEST_F(ImportResponseActions, ActionsJoinTheirRiskInSheetOrder) {
  // Probability after the action in N (14), score in Q (17): O and P are impacts named in row 2,
  // R to V the user texts.
  OlderWorkbook workbook = WithActions(
      {{"Review",     "R1",         "Weekly review",
        "Ann",        "2025-01-13", "2025-05-30",
        "2025-01-06", "",           "100",
        "20",         "T1",         "",
        "",           "VH",         "H",
        "L",          "9",          "t1",
        "t2",         "t3",         "t4",
        "t5"},
       {"Unassigned"},
       {"Fast track", "R1", "Package approval", "", "2025-02-03", "2025-03-28", "", "", "250.5"},
       {"", "R1", "Watch", "", "2025-02-03", "2025-03-28"},
       {"Lost", "R9", "Orphan"}});
  workbook.Option("B20", "14").Option("B21", "17");
  workbook.Cells("Response Actions", 2,
                 {"", "Risk ID", "", "", "", "", "", "", "", "", "", "", "", "", "Cost", "Time"});
  EXPECT_TRUE(Import(workbook));

  xmlNodePtr risk = Risk("R1");
  Strings descriptions;
  for (xmlNodePtr action :
       modXMLToolbox::SelectNodesOrThrow(risk, "ResponseActions/ResponseAction")) {
    descriptions.push_back(Text(action, "Description"));
  }
  EXPECT_EQ(descriptions, (Strings{"Weekly review", "Package approval", "Watch"}));
  EXPECT_EQ(Text(risk, "ResponseHasActions"), "true");
  EXPECT_EQ(Text(risk, "ResponseTotalCost"), "350.5");  // 100 + 250.5 + 0

  xmlNodePtr first = modXMLToolbox::SelectSingleNode(risk, "ResponseActions/ResponseAction");
  const std::vector<std::pair<std::string, std::string>> expected{
      {"AfterAction/Probability", "5"},
      {"AfterAction/Impacts/Impact[1]/Name", "Cost"},
      {"AfterAction/Impacts/Impact[1]/Value", "3"},
      {"AfterAction/Impacts/Impact[2]/Name", "Time"},
      {"AfterAction/Impacts/Impact[2]/Value", "1"},
      {"AfterAction/Score", "9"},
      {"Responsibility", "Ann"},
      {"TargetStartDate", "2025-01-06"},
      {"StartDate", "2025-01-13"},
      {"FinishDate", "2025-05-30"},
      {"MitigationCost", "100"},
      {"ActualCost", "20"},
      {"Status", "Proposed"},
      {"TaskID", "T1"},
      {"UserText1", "t1"},
      {"UserText5", "t5"}};
  for (const auto& [xpath, text] : expected) EXPECT_EQ(Text(first, xpath), text) << xpath;
  EXPECT_FALSE(test::Has(first, "TargetFinishDate"));
  EXPECT_EQ(test::ChildNames(first).size(), 16u);

  // The row without a risk ID is neither read nor counted.
  EXPECT_EQ(LastLabel("Importing Mitigation Action - "),
            "Importing Mitigation Action - R9 (4 of 4)");
  EXPECT_EQ(ErrorLines(),
            Strings{"Could not add Mitiagtion Action as Risk (ID -R9) does not exist"});
}

TEST_F(ImportResponseActions, ACostThatIsNoNumberEndsTheStepOnly) {
  EXPECT_TRUE(Import(WithActions({{"A", "R1", "Good", "", "", "", "", "", "10"},
                                  {"B", "R1", "Bad", "", "", "", "", "", "lots"},
                                  {"C", "R1", "Unread", "", "", "", "", "", "5"}})));
  EXPECT_EQ(ErrorLines(),
            Strings{"An unknown error occured whilst reading mitgation - Badfor risk - R1."});
  EXPECT_EQ(BoxTexts(), (Strings{msg::kActionsFailed, msg::kViewErrors}));
  EXPECT_EQ(Text(Risk("R1"), "ResponseActions/ResponseAction/Description"), "Good");
  EXPECT_EQ(Text(Risk("R1"), "ResponseTotalCost"), "10");
  EXPECT_TRUE(Stored());
}

TEST_F(ImportResponseActions, AWorkbookWithoutTheSheetLogsTheStepsError) {
  EXPECT_TRUE(Import(WithActions({}).Without("Response Actions")));
  EXPECT_EQ(ErrorLines(),
            Strings{"An unknown error occured whilst reading mitgation - for risk - ."});
  EXPECT_EQ(BoxTexts(), (Strings{msg::kActionsFailed, msg::kViewErrors}));
  EXPECT_EQ(Text(Risk("R1"), "ResponseHasActions"), "false");
}

}  // namespace
}  // namespace velloway
