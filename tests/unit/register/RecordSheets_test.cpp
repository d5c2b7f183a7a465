// Qualitative risks, response actions, history, quantitative risks and task impacts.
#include <gtest/gtest.h>

#include <algorithm>

#include "control/modSubMain.h"
#include "unit/register/RegisterFixture.h"

namespace velloway::test {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

class RecordSheets : public RegisterImport {
 protected:
  RecordSheets() { OptionsSheet(); }

  // A qualitative risk row with the given ID, type and column V flag; the rest typical.
  void Risk(int row, const std::string& id, const std::string& type = "Threat",
            const std::string& flag = "") {
    const std::string r = std::to_string(row);
    book.Text("A" + r, id)
        .Text("B" + r, type)
        .Text("C" + r, "Title " + id)
        .Text("D" + r, "H")
        .Number("H" + r, 12)
        .Number("M" + r, 0.25)
        .Text("O" + r, "Open")
        .Text("P" + r, "Owner")
        .Text("Q" + r, "Cause")
        .Text("R" + r, "Description");
    if (!flag.empty()) book.Text("V" + r, flag);
  }
  std::vector<std::string> RiskIds() const {
    std::vector<std::string> ids;
    for (const auto& [key, value] : Section("QualitativeRisks")) ids.push_back(Fields(value)[1]);
    return ids;
  }
};

TEST_F(RecordSheets, ARiskWithAndWithoutActions) {
  book.Sheet("Qualitative Risks").Text("A2", "ID");
  Risk(3, "R1");
  Risk(4, "R2", "Opportunity");
  book.Sheet("Response Actions")
      .Text("B2", "Risk")
      .Text("B3", "R1")
      .Number("G3", 100)
      .Text("A4", "Mit-2")
      .Text("B4", "R1")
      .Text("G4", "250.5")
      .Text("A5", "Other")
      .Text("B5", "r1")
      .Number("G5", 7);
  Import();
  const Values risks = Section("QualitativeRisks");
  ASSERT_EQ(risks.size(), 2u);
  EXPECT_EQ(risks[0].first, "1");
  EXPECT_EQ(risks[0].second,
            "\tR1\tT\tTitle R1\tH\t\t\t\t12\t\t\t\t\t .25\t\t 350.5\t1\tMit-2\tOwner\tDescription"
            "\tCause\t\t\tOpen\t\t1");
  const auto without = Fields(risks[1].second);
  ASSERT_EQ(without.size(), 26u);  // the empty first field included
  EXPECT_EQ(without[2], "O");
  EXPECT_EQ(without[15], " 0");
  EXPECT_EQ(without[16], "0");
  EXPECT_EQ(without[17], "");
}

TEST_F(RecordSheets, ThreatCodesAndQualitativeFlags) {
  book.Sheet("Qualitative Risks").Text("A2", "ID");
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Threat", "true"}, {"threat", "T"}, {"THREAT", "t"},  {"Opportunity", ""},
      {"", "False"},      {"Threat", "F"}, {"Threat", "No"}, {"Threat", "yes"}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Risk(static_cast<int>(i) + 3, "R" + std::to_string(i), rows[i].first, rows[i].second);
  }
  Import();
  std::string codes, flags;
  for (const auto& [key, value] : Section("QualitativeRisks")) {
    codes += Fields(value)[2];
    flags += Fields(value)[25];
  }
  EXPECT_EQ(codes, "TOOOOTTT");
  EXPECT_EQ(flags, "11110000");
}

TEST_F(RecordSheets, HeaderLowerDownAndBlankRunsInTheData) {
  book.Sheet("Qualitative Risks").Text("B2", "not a key").Text("A5", "Risk ID");
  Risk(6, "R1");
  Risk(8, "R2");     // one blank row before
  Risk(11, "R3");    // two blank rows before
  Risk(15, "LOST");  // three blank rows end the data
  Import();
  EXPECT_EQ(RiskIds(), (std::vector<std::string>{"R1", "R2", "R3"}));
}

TEST_F(RecordSheets, ASheetWithoutAnyKeyGivesNoRecords) {
  book.Sheet("Qualitative Risks").Text("B7", "no key in column A");
  Import();
  EXPECT_TRUE(Section("QualitativeRisks").empty());
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

TEST_F(RecordSheets, ANonNumericScoreStopsTheImportWithNothingWritten) {
  book.Sheet("Qualitative Risks").Text("A2", "ID");
  Risk(3, "R1");
  book.Text("H3", "n/a");
  Import();
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"Kestrion was unable to load the risks from Excel."});
  EXPECT_EQ(WriteCount(), 0);
}

TEST_F(RecordSheets, ActionsAreKeyedByColumnBAndLoseTheirDollars) {
  book.Sheet("Qualitative Actions")
      .Text("B3", "Risk ID")  // a header lower down
      .Text("B4", "R1")
      .Text("C4", "Survey")
      .Text("G4", "$1,250.00")
      .Text("J4", "$M")
      .Number("M4", 3)
      .Text("A5", "named but no risk")  // counts as blank
      .Text("B6", "R9")
      .Text("E6", "15/03/2007");
  Import();
  EXPECT_EQ(Section("RiskActions"), (Values{{"1", "\tR1\tSurvey\t\t\t\t1250\t\t\tM\t\t\t3"},
                                            {"2", "\tR9\t\t\t200703150\t\t0\t\t\t\t\t\t0"}}));
}

TEST_F(RecordSheets, HistoryEntriesHaveTheAuditDateAsField27) {
  book.Sheet("Risk History").Text("A2", "ID");
  Risk(3, "R1");
  book.Number("W3", 46362, "dd/mm/yyyy");  // a date cell
  Risk(4, "R1");
  book.Sheet("Response Actions")
      .Text("B2", "Risk")
      .Text("B3", "R1")
      .Number("G3", 10)
      .Text("B4", "R1")
      .Number("G4", 5);
  Import();
  const Values history = Section("RiskHistory");
  ASSERT_EQ(history.size(), 2u);
  const auto first = Fields(history[0].second);
  ASSERT_EQ(first.size(), 27u);
  EXPECT_EQ(first[26], "202612060");
  EXPECT_EQ(first[15], " 15");
  EXPECT_EQ(first[16], "1");
  EXPECT_EQ(Fields(history[1].second)[26], "");
}

TEST_F(RecordSheets, DatesAsDateCellsAndAsDayMonthText) {
  book.Sheet("Qualitative Risks").Text("A2", "ID");
  Risk(3, "R1");
  book.Number("N3", 39156, "d mmm yyyy").Text("U3", "15/03/2007");
  Risk(4, "R2");
  book.Text("N4", "31/02/2007");  // no such date: this section ends here
  Risk(5, "R3");
  Import();
  const Values risks = Section("QualitativeRisks");
  ASSERT_EQ(risks.size(), 1u);
  EXPECT_EQ(Fields(risks[0].second)[14], "200703150");
  EXPECT_EQ(Fields(risks[0].second)[24], "200703150");
  // The write phase went on to its end.
  EXPECT_FALSE(RegisterRun(state).model.qualitativeRisks.has_value());
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

TEST_F(RecordSheets, QuantitativeRisksCarryTheirScenarioAndFoldItsCase) {
  book.Sheet("Quantitative Risks")
      .Text("B2", "Risk ID")
      .Text("B3", "Q0")  // before any scenario
      .Text("A4", "Base")
      .Text("B4", "Q1")
      .Number("D4", 0.25)
      .Text("E4", "$1,000")
      .Text("B5", "Q2")
      .Number("D5", 0.07)
      .Text("F5", "Actions")
      .Text("A6", "base")
      .Text("B6", "Q3")
      .Text("D6", "high")
      .Text("A7", "Wet")
      .Text("B7", "Q4")
      .Text("B8", "Q5")
      .Text("D8", "");
  book.Sheet("Task Impacts")
      .Text("B2", "Risk ID")
      .Text("A3", "Base")
      .Text("B3", "Q1")
      .Text("C3", "T1")
      .Text("A4", "Wet")
      .Text("B4", "Q4")  // no task: dropped, but Wet is carried
      .Text("B5", "Q4")
      .Text("C5", "T9")
      .Text("D5", "F")
      .Text("M5", "F")
      .Text("N5", "T")
      .Text("J5", "$2,000")
      .Text("A6", "Other")
      .Text("B6", "Q9")
      .Text("C6", "T5");
  Import();
  EXPECT_EQ(Section("S1Mitigations"),
            (Values{{"1", "\tQ1\t25\t1,000\t"}, {"2", "\tQ2\t7\t\tActions"}}));
  EXPECT_EQ(Section("S2Mitigations"), (Values{{"1", "\tQ4\t0\t\t"}, {"2", "\tQ5\t0\t\t"}}));
  EXPECT_EQ(Section("S1Impacts"), (Values{{"1", "\tQ1\tT1\t\t\t\t\t\t\t\t\t1\t1\t1"}}));
  EXPECT_EQ(Section("S2Impacts"), (Values{{"1", "\tQ4\tT9\t\t\t\t\t\t2,000\t\t\t0\t1\t0"}}));
  EXPECT_TRUE(Section("S3Impacts").empty());  // "Other" is no scenario of the risks
  const auto sections = Sections();
  EXPECT_EQ(std::count(sections.begin(), sections.end(), "S3Mitigations"), 0);
}

TEST_F(RecordSheets, AnActionDateThatIsNoDateEndsTheWritePhase) {
  book.Sheet("Qualitative Risks").Text("A2", "ID");
  Risk(3, "R1");
  book.Sheet("Response Actions").Text("B2", "Risk").Text("B3", "R1").Text("E3", "31/02/2007");
  book.Sheet("Risk History").Text("A2", "ID");
  Risk(3, "R1");
  Import();
  EXPECT_EQ(Section("QualitativeRisks").size(), 1u);
  EXPECT_TRUE(Section("RiskActions").empty());
  EXPECT_TRUE(Section("RiskHistory").empty());  // never reached
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(
      fakes.diagnostics,
      std::vector<std::string>{"the import stopped: Type mismatch: '31/02/2007' is not a date"});
  // The road was abandoned: nothing of it is left for a later import.
  EXPECT_FALSE(RegisterRun(state).model.qualitativeRisks.has_value());
  EXPECT_EQ(RegisterRun(state).form, nullptr);
  EXPECT_EQ(fakes.host->formActive.back(), false);
}

TEST_F(RecordSheets, ASecondImportGivesTheSameRecords) {
  book.Sheet("Qualitative Risks").Text("A2", "ID");
  Risk(3, "R1");
  Import();
  const Values first = Section("QualitativeRisks");
  fakes.host->plan->calls.clear();
  modSubMain::Main(state);
  EXPECT_EQ(Section("QualitativeRisks"), first);
}

}  // namespace
}  // namespace velloway::test
