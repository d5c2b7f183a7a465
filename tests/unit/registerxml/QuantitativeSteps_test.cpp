// The task impact and quantitative risk sheets into the plan containers of the risks.
#include "core/Messages.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway::test {
namespace {

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
