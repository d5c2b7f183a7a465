// Qualitative risks, response actions, history, quantitative risks and task impacts.
#include <gtest/gtest.h>

#include <algorithm>

#include "control/modSubMain.h"
#include "unit/register/RegisterFixture.h"

namespace velloway::test {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

class RecordSheets : public RegisterImport {
 protected:
  RecordSheets() { OptionsSheet(); }

  // A qualitative risk row with the given ID, type and column V flag; the rest typical.
  void Risk(int row, const std::string& id, const std::string& type = "Threat",
            const std::string& flag = "") {
    Row(row, {id, type, "Title " + id, "H", "",     "",      "",      "12",          "", "",
              "", "",   "0.25",        "",  "Open", "Owner", "Cause", "Description", "", "",
              "", flag});
  }
  // A risk sheet (qualitative unless named) with a header in row 2 and these risks below it.
  void Risks(const Texts& ids, const std::string& sheet = "Qualitative Risks") {
    book.Sheet(sheet).Text("A2", "ID");
    for (std::size_t i = 0; i < ids.size(); ++i) Risk(static_cast<int>(i) + 3, ids[i]);
  }
  // A response action row: its name, risk and cost.
  void Action(int row, const std::string& name, const std::string& risk,
              const std::string& cost = "") {
    Row(row, {name, risk, "", "", "", "", cost});
  }
  Texts RiskIds() const {
    Texts ids;
    for (const auto& [key, value] : Section("QualitativeRisks")) ids.push_back(Fields(value)[1]);
    return ids;
  }
};

TEST_F(RecordSheets, ActionSummariesOfRisksWithAndWithoutActions) {
  Risks({"R1", "R2", "R3", "R4"});
  book.Sheet("Response Actions").Text("B2", "Risk");
  Action(3, "", "R1", "100");
  Action(4, "Mit-2", "R1", "250.5");
  Action(5, "Other", "r1", "7");
  Action(6, "Mit-1", "R3");
  Action(7, "Mit-2", "R3");
  // The second cost overflows the sum before its name is taken: the summary ends there.
  Action(8, "", "R4", "1e308");
  Action(9, "B", "R4", "1e308");
  Import();
  const Values risks = Section("QualitativeRisks");
  ASSERT_EQ(risks.size(), 4u);
  // Cost, flag and name of each risk (the record's layout is the example dump's to check); 26
  // fields, the empty first one included. "r1" is another risk's action.
  const auto summary = [&](std::size_t i) {
    const auto fields = Fields(risks[i].second);
    EXPECT_EQ(fields.size(), 26u);
    return std::vector(fields.begin() + 15, fields.begin() + 18);
  };
  EXPECT_EQ(summary(0), (Texts{" 350.5", "1", "Mit-2"}));
  EXPECT_EQ(summary(1), (Texts{" 0", "0", ""}));
  EXPECT_EQ(summary(2), (Texts{" 0", "1", "Mit-1"}));
  EXPECT_EQ(summary(3), (Texts{" 1E+308", "1", ""}));
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
  EXPECT_EQ(RiskIds(), (Texts{"R1", "R2", "R3"}));

  // A sheet without any key gives no records, and no message.
  book = XlsxBuilder();
  book.Sheet("Qualitative Risks").Text("B7", "no key in column A");
  fakes.host->plan->calls.clear();
  Import();
  EXPECT_TRUE(Section("QualitativeRisks").empty());
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

TEST_F(RecordSheets, ActionsAreKeyedByColumnBAndLoseTheirDollars) {
  book.Sheet("Qualitative Actions").Text("B3", "Risk ID");  // a header lower down
  Row(4, {"", "R1", "Survey", "", "", "", "$1,250.00", "", "", "$M", "", "", "3"});
  Row(5, {"named but no risk"});  // counts as blank
  Row(6, {"", "R9", "", "", "15/03/2007"});
  Import();
  EXPECT_EQ(Section("RiskActions"), (Values{{"1", "\tR1\tSurvey\t\t\t\t1250\t\t\tM\t\t\t3"},
                                            {"2", "\tR9\t\t\t200703150\t\t0\t\t\t\t\t\t0"}}));
}

// A risk's date that is no date ends the risks' section quietly; the later sections are still
// written (an action's ends the write phase, below).
TEST_F(RecordSheets, ARiskDateThatIsNoDateEndsOnlyItsSection) {
  Risks({"R1", "R2", "R3"});
  book.Text("N4", "31/02/2007");
  Risks({"R1"}, "Risk History");
  Import();
  EXPECT_EQ(Section("QualitativeRisks").size(), 1u);
  EXPECT_EQ(Section("RiskHistory").size(), 1u);
  EXPECT_FALSE(RegisterRun(state).model.qualitativeRisks.has_value());
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

TEST_F(RecordSheets, QuantitativeRisksCarryTheirScenarioAndFoldItsCase) {
  book.Sheet("Quantitative Risks").Text("B2", "Risk ID");
  Row(3, {"", "Q0"});  // before any scenario
  Row(4, {"Base", "Q1", "", "0.25", "$1,000"});
  Row(5, {"", "Q2", "", "0.07", "", "Actions"});
  Row(6, {"base", "Q3", "", "high"});
  Row(7, {"Wet", "Q4"});
  Row(8, {"", "Q5"});
  book.Number("D9", 1e307).Text("B9", "Q6");  // times 100 overflows
  book.Sheet("Task Impacts").Text("B2", "Risk ID");
  Row(3, {"Base", "Q1", "T1"});
  Row(4, {"Wet", "Q4"});  // no task: dropped, but Wet is carried
  Row(5, {"", "Q4", "T9", "F", "", "", "", "", "", "$2,000", "", "", "F", "T"});
  Row(6, {"Other", "Q9", "T5"});
  Import();
  EXPECT_EQ(Section("S1Mitigations"),
            (Values{{"1", "\tQ1\t25\t1,000\t"}, {"2", "\tQ2\t7\t\tActions"}}));
  EXPECT_EQ(Section("S2Mitigations"),
            (Values{{"1", "\tQ4\t0\t\t"}, {"2", "\tQ5\t0\t\t"}, {"3", "\tQ6\t0\t\t"}}));
  EXPECT_EQ(Section("S1Impacts"), (Values{{"1", "\tQ1\tT1\t\t\t\t\t\t\t\t\t1\t1\t1"}}));
  EXPECT_EQ(Section("S2Impacts"), (Values{{"1", "\tQ4\tT9\t\t\t\t\t\t2,000\t\t\t0\t1\t0"}}));
  // "Other" is no scenario of the risks.
  const auto sections = Sections();
  for (const char* none : {"S3Impacts", "S3Mitigations"})
    EXPECT_EQ(std::count(sections.begin(), sections.end(), none), 0) << none;
}

TEST_F(RecordSheets, AnActionDateThatIsNoDateEndsTheWritePhase) {
  Risks({"R1"});
  book.Sheet("Response Actions").Text("B2", "Risk").Text("B3", "R1").Text("E3", "31/02/2007");
  Risks({"R1"}, "Risk History");
  Import();
  EXPECT_EQ(Section("QualitativeRisks").size(), 1u);
  EXPECT_TRUE(Section("RiskActions").empty());
  EXPECT_TRUE(Section("RiskHistory").empty());  // never reached
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(fakes.diagnostics,
            Texts{"the import stopped: Type mismatch: '31/02/2007' is not a date"});
  // The road was abandoned: nothing of it is left for a later import, which gives the same.
  EXPECT_FALSE(RegisterRun(state).model.qualitativeRisks.has_value());
  EXPECT_EQ(RegisterRun(state).form, nullptr);
  EXPECT_EQ(fakes.host->formActive.back(), false);
  const Values first = Section("QualitativeRisks");
  fakes.host->plan->calls.clear();
  modSubMain::Main(state);
  EXPECT_EQ(Section("QualitativeRisks"), first);
}

}  // namespace
}  // namespace velloway::test
