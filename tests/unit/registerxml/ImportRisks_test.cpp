// The risk sheet into the register and the history sheet into the risks' history, through the
// reader, the driver and the recording plan.
#include "control/Messages.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway {
namespace {

using test::OlderWorkbook;
using test::Text;
using Row = OlderWorkbook::Row;
using Strings = std::vector<std::string>;

class ImportRisks : public test::SheetStepsTest {};

TEST_F(ImportRisks, BlankRowsInsideTheDataAreSkippedAndNotCounted) {
  std::vector<Row> rows{OlderWorkbook::Risk("R1"), {}, OlderWorkbook::Risk("R2"), {}, {}};
  for (int i = 3; i <= 10; ++i) rows.push_back(OlderWorkbook::Risk("R" + std::to_string(i)));
  EXPECT_TRUE(Import(OlderWorkbook().Records("Qualitative Risks", rows)));
  EXPECT_EQ(RiskIds(), (Strings{"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10"}));
  EXPECT_EQ(LastLabel("Importing Risk - "), "Importing Risk - R10 (10 of 10)");
  EXPECT_TRUE(Stored());
  EXPECT_TRUE(ErrorLines().empty());
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ImportRisks, EveryFieldFromItsColumn) {
  const Row row = OlderWorkbook::Risk("R1", {{2, "Opportunity"},
                                             {3, "Early steel"},
                                             {4, "h"},
                                             {5, "M"},
                                             {6, "12"},
                                             {7, "Exploit"},
                                             {8, "Crane"},
                                             {9, "2500.5"},
                                             {10, "L"},
                                             {12, "Ann"},
                                             {13, "Spare mill capacity"},
                                             {14, "Steel early\nby a month"},
                                             {15, "Frame starts early"},
                                             {16, "2.1"},
                                             {18, "Difficult"},
                                             {19, "Near"},
                                             {20, "2025-01-06"},
                                             {22, "-15000"},
                                             {24, "false"},
                                             {25, "Design"},
                                             {26, "soon"},
                                             {27, "Hire a second crane"}});
  EXPECT_TRUE(Import(OlderWorkbook().Records("Qualitative Risks", {row})));
  xmlNodePtr risk = Risk("R1");
  ASSERT_NE(risk, nullptr);
  const std::vector<std::pair<std::string, std::string>> expected{
      {"@ID", "R1"},
      {"Type", "Opportunity"},
      {"Title", "Early steel"},
      {"Pre-mitigation/Probability", "4"},
      {"Pre-mitigation/Impacts/Impact/@Name", "Cost"},
      {"Pre-mitigation/Impacts/Impact/Value", "2"},
      {"Pre-mitigation/Score", "12"},
      {"Post-mitigation/Probability", "2"},
      {"Post-mitigation/Score", "0"},  // an empty score
      {"Mitigation", "Exploit"},
      {"ResponseTitle", "Crane"},
      {"ResponseTotalCost", "2500.5"},
      {"Owner", "Ann"},
      {"Cause", "Spare mill capacity"},
      {"Description", "Steel early<CRLF>by a month"},
      {"Effect", "Frame starts early"},
      {"RBS", "2.1"},
      {"Status", "Open"},
      {"Manageability", "2"},
      {"Proximity", "0"},
      {"StartDate", "2025-01-06"},
      {"EndDate", "2026-12-06"},  // empty: the clock's today
      {"Exposure", "-15000"},
      {"Quantifiable", "true"},  // empty
      {"Quantified", "false"},
      {"Notes", "Hire a second crane"},
      // The last of two definitions named Phase wins; Due has none.
      {"UserFieldValues/UserFieldValue[1]/@ID", "U1"},
      {"UserFieldValues/UserFieldValue[1]/Value", "Design"},
      {"UserFieldValues/UserFieldValue[2]/Name", "Due"},
      {"UserFieldValues/UserFieldValue[2]/Value", "soon"}};
  for (const auto& [xpath, text] : expected) EXPECT_EQ(Text(risk, xpath), text) << xpath;
  EXPECT_FALSE(test::Has(risk, "UserFieldValues/UserFieldValue[2]/@ID"));
  EXPECT_FALSE(test::Has(risk, "Post-mitigation/Impacts/Impact"));
}

TEST_F(ImportRisks, ASecondRowOfAnIdAsksWhetherToReplaceTheFirst) {
  const OlderWorkbook workbook = OlderWorkbook().Records(
      "Qualitative Risks", {OlderWorkbook::Risk("R1", {{3, "first"}}), OlderWorkbook::Risk("R2"),
                            OlderWorkbook::Risk("R1", {{3, "second"}})});
  for (const auto& [answer, title] :
       {std::pair{MsgAnswer::Yes, "second"}, {MsgAnswer::No, "first"}}) {
    fakes.ui->answers = {answer};
    EXPECT_TRUE(Import(workbook));
    ASSERT_EQ(fakes.ui->boxes.size(), 1u);
    EXPECT_EQ(fakes.ui->boxes[0].text, "R1 already exists.  Would you like to replace this risk?");
    EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(fakes.ui->boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(RiskIds(), (Strings{"R1", "R2"}));
    EXPECT_EQ(Text(Risk("R1"), "Title"), title);
  }
}

TEST_F(ImportRisks, AFlagCellThatIsNoFlagEndsTheImport) {
  EXPECT_FALSE(Import(OlderWorkbook().Records(
      "Qualitative Risks", {OlderWorkbook::Risk("R1"), OlderWorkbook::Risk("R2", {{23, "yes"}}),
                            OlderWorkbook::Risk("R3")})));
  EXPECT_EQ(ErrorLines(), Strings{"An unknown error occured whilst reading risk - R2!"});
  EXPECT_EQ(BoxTexts(), (Strings{msg::kRisksFailed, msg::kViewErrors}));
  EXPECT_EQ(RiskIds(), Strings{"R1"});
  EXPECT_FALSE(Stored());
}

TEST_F(ImportRisks, ImpactColumnsLieBetweenProbabilityAndScore) {
  // Pre-mitigation probability in J and score in N: K, L and M are impacts named in row 2.
  OlderWorkbook workbook;
  workbook.Layout({10, 14, 18, 19, 13, 15, 33, 32})
      .Cells("Qualitative Risks", 2,
             {"Risk ID", "", "", "", "", "", "", "", "", "", "Cost", "Time", "Scope"})
      .Cells("Qualitative Risks", 3, {"R1", "", "", "", "", "", "", "", "", "", "H", "M", "L"});
  EXPECT_TRUE(Import(workbook));
  xmlNodePtr risk = Risk("R1");
  Strings names, values;
  for (xmlNodePtr impact :
       modXMLToolbox::SelectNodesOrThrow(risk, "Pre-mitigation/Impacts/Impact")) {
    names.push_back(Text(impact, "Name"));
    values.push_back(Text(impact, "Value"));
  }
  EXPECT_EQ(names, (Strings{"Cost", "Time", "Scope"}));
  EXPECT_EQ(values, (Strings{"3", "2", "1"}));
  // Adjacent post-mitigation columns, and a last user field before the first: none of either.
  EXPECT_FALSE(test::Has(risk, "Post-mitigation/Impacts/Impact"));
  EXPECT_FALSE(test::Has(risk, "UserFieldValues/UserFieldValue"));
}

TEST_F(ImportRisks, HistoryRowsBecomeEntriesOfTheirRisksInRowOrder) {
  EXPECT_TRUE(Import(
      OlderWorkbook()
          .Records("Qualitative Risks", {OlderWorkbook::Risk("R1", {{3, "now"}})})
          .Records("Risk History", {OlderWorkbook::Risk("R1", {{3, "first"}, {27, "2025-01-05"}}),
                                    OlderWorkbook::Risk("R1", {{3, "second"}}),
                                    OlderWorkbook::Risk("R1", {{3, "third"}, {27, "2025-03-01"}}),
                                    OlderWorkbook::Risk("R7", {{3, "lost"}})})));
  Strings titles, dates;
  for (xmlNodePtr entry : modXMLToolbox::SelectNodesOrThrow(Risk("R1"), "Historys/History")) {
    EXPECT_EQ(test::ChildNames(entry), (Strings{"RiskHistory", "AuditDate"}));
    titles.push_back(Text(entry, "RiskHistory/Title"));
    dates.push_back(Text(entry, "AuditDate"));
  }
  EXPECT_EQ(titles, (Strings{"first", "second", "third"}));
  EXPECT_EQ(dates, (Strings{"2025-01-05", "2026-12-06", "2025-03-01"}));
  EXPECT_EQ(Text(Risk("R1"), "Title"), "now");
  EXPECT_EQ(ErrorLines(),
            Strings{"Could not add Risk History (ID - R7) as Risk (ID -R7) does not exist"});
  // No question about the repeated ID; only the error log is offered.
  EXPECT_EQ(BoxTexts(), Strings{msg::kViewErrors});
  EXPECT_TRUE(Stored());
}

}  // namespace
}  // namespace velloway
