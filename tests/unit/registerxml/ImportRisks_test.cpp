// The risk sheet into the register and the history sheet into the risks' history.
#include "core/Messages.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway::test {
namespace {

class ImportRisks : public SheetStepsTest {};

TEST_F(ImportRisks, AHeaderBelowRowTwoLosesNoRowAndBlankRowsAreSkippedUncounted) {
  OlderWorkbook workbook;
  workbook.Without("Qualitative Risks").Cells("Qualitative Risks", 4, {"Risk ID"});
  std::vector<OlderWorkbook::Row> rows{{"R1"}, {}, {"R2"}, {}, {}};
  for (int i = 3; i <= 10; ++i) rows.push_back({"R" + std::to_string(i)});
  for (std::size_t i = 0; i < rows.size(); ++i)
    workbook.Cells("Qualitative Risks", static_cast<int>(i) + 5, rows[i]);
  EXPECT_TRUE(Import(workbook));
  EXPECT_EQ(RiskIds(), (Strings{"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10"}));
  EXPECT_EQ(LastLabel("Importing Risk - "), "Importing Risk - R10 (10 of 10)");
  EXPECT_TRUE(Stored());
  EXPECT_TRUE(ErrorLines().empty());
}

TEST_F(ImportRisks, EveryFieldFromItsColumn) {
  EXPECT_TRUE(Import(OlderWorkbook().Records(
      "Qualitative Risks",
      {{"R1",     "",       "",  "h",         "M",    "",           "",
        "",       "2500.5", "L", "",          "Ann",  "cause",      "two\nlines",
        "effect", "",       "",  "Difficult", "",     "2025-01-06", "",
        "-15000", "",       "",  "Design",    "soon", "fallback"}})));
  xmlNodePtr risk = Risk("R1");
  ASSERT_NE(risk, nullptr);
  // Historys, the values from ID to ResponseHasActions, ResponseActions, Notes to Quantified.
  // Empty dates are the clock's today; empty flags leave the risk quantifiable and quantified.
  EXPECT_EQ(
      Texts(risk, "*[not(*)]", "."),
      (Strings{"",           "R1",     "Threat",         "",      "2",      "0",     "2025-01-06",
               "2026-12-06", "-15000", "Reduce",         "",      "2500.5", "false", "",
               "fallback",   "Ann",    "two<CRLF>lines", "cause", "effect", "",      "Open",
               "true",       "true"}));
  // No impacts, probability and score after mitigation; probability and score before.
  EXPECT_EQ(Texts(risk, "Post-mitigation/*[not(*)] | Pre-mitigation/*[not(*)]", "."),
            (Strings{"", "2", "0", "4", "0"}));
  EXPECT_EQ(Texts(risk, "Pre-mitigation/Impacts/Impact", "Value"), Strings{"2"});
  // Phase takes the last of its two definitions; Due has none.
  EXPECT_EQ(Texts(risk, "UserFieldValues/UserFieldValue", "@ID"), (Strings{"U1", ""}));
  EXPECT_EQ(Texts(risk, "UserFieldValues/UserFieldValue", "Value"), (Strings{"Design", "soon"}));
}

TEST_F(ImportRisks, ASecondRowOfAnIdAsksWhetherToReplaceTheFirstInItsPlace) {
  const OlderWorkbook workbook = OlderWorkbook().Records(
      "Qualitative Risks", {OlderWorkbook::Risk("R1", {{3, "first"}}), OlderWorkbook::Risk("R2"),
                            OlderWorkbook::Risk("R1", {{3, "second"}})});
  for (const auto& [answer, title] :
       {std::pair{MsgAnswer::Yes, "second"}, {MsgAnswer::No, "first"}}) {
    fakes.ui->answers = {answer};
    EXPECT_TRUE(Import(workbook));
    EXPECT_EQ(BoxTexts(), Strings{"R1 already exists.  Would you like to replace this risk?"});
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

TEST_F(ImportRisks, ImpactsAreTheColumnsBetweenProbabilityAndScore) {
  // J and N: K to M are impacts named in row 2. Adjacent post-mitigation columns, and a last
  // user field before the first, give none.
  EXPECT_TRUE(Import(OlderWorkbook()
                         .Layout({10, 14, 18, 19, 13, 15, 33, 32})
                         .Cells("Qualitative Risks", 2,
                                {"ID", "", "", "", "", "", "", "", "", "", "Cost", "Time", "Scope"})
                         .Cells("Qualitative Risks", 3,
                                {"R1", "", "", "", "", "", "", "", "", "", "H", "M", "L"})));
  EXPECT_EQ(Texts(Risk("R1"), "Pre-mitigation/Impacts/Impact", "Name"),
            (Strings{"Cost", "Time", "Scope"}));
  EXPECT_EQ(Texts(Risk("R1"), "Pre-mitigation/Impacts/Impact", "Value"), (Strings{"3", "2", "1"}));
  EXPECT_FALSE(Has(Risk("R1"), "Post-mitigation/Impacts/Impact"));
  EXPECT_FALSE(Has(Risk("R1"), "UserFieldValues/UserFieldValue"));
}

TEST_F(ImportRisks, HistoryRowsBecomeEntriesOfTheirRisksInRowOrder) {
  EXPECT_TRUE(Import(
      OlderWorkbook()
          .Records("Qualitative Risks", {OlderWorkbook::Risk("R1", {{3, "now"}})})
          .Records("Risk History", {OlderWorkbook::Risk("R1", {{3, "first"}, {27, "2025-01-05"}}),
                                    OlderWorkbook::Risk("R1", {{3, "second"}}),
                                    OlderWorkbook::Risk("R1", {{3, "third"}, {27, "2025-03-01"}}),
                                    OlderWorkbook::Risk("R7")})));
  EXPECT_EQ(Texts(Risk("R1"), "Historys/History", "RiskHistory/Title"),
            (Strings{"first", "second", "third"}));
  EXPECT_EQ(Texts(Risk("R1"), "Historys/History", "AuditDate"),
            (Strings{"2025-01-05", "2026-12-06", "2025-03-01"}));
  EXPECT_EQ(Text(Risk("R1"), "Title"), "now");
  EXPECT_EQ(ErrorLines(),
            Strings{"Could not add Risk History (ID - R7) as Risk (ID -R7) does not exist"});
  EXPECT_EQ(BoxTexts(), Strings{msg::kViewErrors});  // no question about the repeated ID
}

}  // namespace
}  // namespace velloway::test
