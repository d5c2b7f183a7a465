// The sheet steps of the register XML road: the risk sheet into the register, the history sheet
// into the risks' history, the response action sheet into the risks' actions, and the task
// impact and quantitative risk sheets into the risks' plan containers.
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

class ImportResponseActions : public SheetStepsTest {
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
  ExpectTexts(first, {"AfterAction/Probability=5", "AfterAction/Score=9",
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

class QuantitativeSteps : public SheetStepsTest {
 protected:
  OlderWorkbook WithRisks(const std::string& sheet, const std::vector<OlderWorkbook::Row>& rows) {
    return OlderWorkbook()
        .Records("Qualitative Risks", {OlderWorkbook::Risk("R1"), OlderWorkbook::Risk("R2")})
        .Records(sheet, rows);
  }
  std::vector<xmlNodePtr> TaskImpacts(const std::string& container) {
    return modXMLToolbox::SelectNodesOrThrow(Risk("R1"),
                                             container + "/Quantitative/TaskImpacts/TaskImpact");
  }
};

TEST_F(QuantitativeSteps, TheOptionsVersionPlacesTheLastFlags) {
  // L empty, M "0", N "1"; column A carries down to the second row.
  OlderWorkbook workbook =
      WithRisks("Task Impacts",
                {{"Post-mitigation", "R1", "T1", "", "1", "2", "3", "", "", "", "", "", "0", "1"},
                 {"", "R1", "T2"}});
  for (const auto& [version, existence, link] :
       {std::tuple{"2.1", "false", "true"}, {"2.0", "true", "false"}}) {
    EXPECT_TRUE(Import(workbook.Option("A14", version)));
    ASSERT_EQ(TaskImpacts("Post-mitigation").size(), 2u) << version;
    ExpectTexts(TaskImpacts("Post-mitigation")[0],
                {"Correlate=false", "CorrelateExistence=" + std::string(existence),
                 "LinkInSeries=" + std::string(link), "EnteredDurMax=3"});
    EXPECT_EQ(LastLabel("Importing Risk Impact - "), "Importing Risk Impact - R1 (2 of 2)");
  }
}

TEST_F(QuantitativeSteps, OnlyTheFirstTaskImpactOfAContainerIsAskedAbout) {
  const OlderWorkbook workbook = WithRisks("Task Impacts", {{"Pre-mitigation", "R1", "T1", "", "1"},
                                                            {"", "R1", "T2"},
                                                            {"", "R1", "T2"},
                                                            {"", "R1", "T1", "", "5"}});
  for (const auto& [answer, durMin] : {std::pair{MsgAnswer::Yes, "5"}, {MsgAnswer::No, "1"}}) {
    fakes.ui->answers = {answer};
    EXPECT_TRUE(Import(workbook));
    EXPECT_EQ(BoxTexts(),
              Strings{"T1 already exists.  Would you like to replace this task impact?"});
    EXPECT_EQ(Texts(Risk("R1"), "Pre-mitigation/Quantitative/TaskImpacts/TaskImpact", "TaskID"),
              (Strings{"T1", "T2", "T2"}));
    EXPECT_EQ(Text(TaskImpacts("Pre-mitigation")[0], "DurMin"), durMin);
  }
}

TEST_F(QuantitativeSteps, AContainerTheRiskLacksEndsTheTaskImpacts) {
  EXPECT_TRUE(Import(WithRisks("Task Impacts", {{"Pre-mitigation", "R9", "T1"},
                                                {"Contingency", "R1", "T1"},
                                                {"Pre-mitigation", "R1", "T2"}})));
  EXPECT_EQ(ErrorLines(),
            Strings{"Could not add Impact (TaskID - T1) as Risk (ID -R9) does not exist"});
  EXPECT_EQ(BoxTexts(), (Strings{msg::kTaskImpactsFailed, msg::kViewErrors}));
  EXPECT_TRUE(TaskImpacts("Pre-mitigation").empty());
  EXPECT_TRUE(Stored());
}

TEST_F(QuantitativeSteps, ProbabilitiesAndCostsReachTheirRisks) {
  EXPECT_TRUE(Import(WithRisks("Quantitative Risks", {{"Post-mitigation", "R1", "", "0.15", "100"},
                                                      {"Pre-mitigation", "R1", "", "0.4", "2500"},
                                                      {"Contingency", "R1", "", "0.9", "7"},
                                                      {"Pre-mitigation"},
                                                      {"", "R2", "", "0.25"}})));
  ExpectTexts(Risk("R1"),
              {"Pre-mitigation/Quantitative/Probability=40",
               "Post-mitigation/Quantitative/Probability=15", "ResponseTotalCost=2500"});
  EXPECT_EQ(Text(Risk("R2"), "Pre-mitigation/Quantitative/Probability"), "25");
  // A container name without a risk ID is looked up as the empty ID.
  EXPECT_EQ(
      ErrorLines(),
      Strings{"Could not add additional Quantitative info to Risk as Risk (ID -) does not exist"});
  EXPECT_EQ(LastLabel("Importing Quantitative Risk - "),
            "Importing Quantitative Risk - R2 (4 of 4)");
}

TEST_F(QuantitativeSteps, AnOverflowEndsTheStepAndTheDocumentStaysValid) {
  // A probability whose times 100 overflows, and a cost text too large for a number.
  for (const OlderWorkbook::Row& row : {OlderWorkbook::Row{"", "R2", "", "1E+307", "5"},
                                        OlderWorkbook::Row{"", "R2", "", "0.5", "1e400"}}) {
    EXPECT_TRUE(Import(
        WithRisks("Quantitative Risks",
                  {{"Pre-mitigation", "R1", "", "0.4", "2500"}, row, {"", "R1", "", "0.6", "7"}})));
    EXPECT_EQ(BoxTexts(), Strings{msg::kQuantitativeFailed});
    ExpectTexts(Risk("R1"),
                {"Pre-mitigation/Quantitative/Probability=40", "ResponseTotalCost=2500"});
    EXPECT_EQ(Text(Risk("R2"), "Pre-mitigation/Quantitative/Probability"), "0");
  }
}

TEST_F(QuantitativeSteps, NoQuantitativeSheetEndsCleanly) {
  EXPECT_TRUE(Import(WithRisks("Task Impacts", {}).Without("Quantitative Risks")));
  EXPECT_TRUE(ErrorLines().empty());
  EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
}  // namespace velloway::test
