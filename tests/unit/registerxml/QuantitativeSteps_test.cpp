// The task impact and quantitative risk sheets into the plan containers of the risks, through
// the reader, the driver, the recording plan and scripted answers.
#include "control/Messages.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway {
namespace {

using test::OlderWorkbook;
using test::Text;
using Row = OlderWorkbook::Row;
using Strings = std::vector<std::string>;

class QuantitativeSteps : public test::SheetStepsTest {
 protected:
  OlderWorkbook WithRisks(const std::string& sheet, const std::vector<Row>& rows) {
    OlderWorkbook workbook;
    workbook.Records("Qualitative Risks", {OlderWorkbook::Risk("R1"), OlderWorkbook::Risk("R2")})
        .Records(sheet, rows);
    return workbook;
  }
  std::vector<xmlNodePtr> TaskImpacts(const std::string& id, const std::string& container) {
    return modXMLToolbox::SelectNodesOrThrow(Risk(id),
                                             container + "/Quantitative/TaskImpacts/TaskImpact");
  }
};

TEST_F(QuantitativeSteps, TheOptionsVersionPlacesTheLastFlags) {
  // L empty, M "0", N "1"; column A carries down to the second row.
  OlderWorkbook workbook =
      WithRisks("Task Impacts", {{"Post-mitigation", "R1", "T1", "Triangular", "1", "2", "3", "",
                                  "10", "20", "30", "", "0", "1"},
                                 {"", "R1", "T2"}});
  for (const auto& [version, existence, link] :
       {std::tuple{"2.1", "false", "true"}, {"2.0", "true", "false"}}) {
    EXPECT_TRUE(Import(workbook.Option("A14", version)));
    const auto impacts = TaskImpacts("R1", "Post-mitigation");
    ASSERT_EQ(impacts.size(), 2u) << version;
    EXPECT_EQ(Text(impacts[0], "Correlate"), "false");
    EXPECT_EQ(Text(impacts[0], "CorrelateExistence"), existence) << version;
    EXPECT_EQ(Text(impacts[0], "LinkInSeries"), link) << version;
    EXPECT_EQ(Text(impacts[0], "CostShape"), "Uniform");
    EXPECT_EQ(Text(impacts[0], "EnteredDurMax"), "3");
    EXPECT_EQ(Text(impacts[1], "TaskID"), "T2");
    EXPECT_EQ(LastLabel("Importing Risk Impact - "), "Importing Risk Impact - R1 (2 of 2)");
  }
}

TEST_F(QuantitativeSteps, OnlyTheFirstTaskImpactOfAContainerIsComparedAndAskedAbout) {
  const OlderWorkbook workbook = WithRisks("Task Impacts", {{"Pre-mitigation", "R1", "T1", "", "1"},
                                                            {"", "R1", "T2"},
                                                            {"", "R1", "T2"},
                                                            {"", "R1", "T1", "", "5"}});
  for (const auto& [answer, durMin] : {std::pair{MsgAnswer::Yes, "5"}, {MsgAnswer::No, "1"}}) {
    fakes.ui->answers = {answer};
    EXPECT_TRUE(Import(workbook));
    ASSERT_EQ(fakes.ui->boxes.size(), 1u);
    EXPECT_EQ(fakes.ui->boxes[0].text,
              "T1 already exists.  Would you like to replace this task impact?");
    EXPECT_EQ(fakes.ui->boxes[0].buttons, MsgButtons::YesNo);
    Strings tasks;
    for (xmlNodePtr impact : TaskImpacts("R1", "Pre-mitigation"))
      tasks.push_back(Text(impact, "TaskID"));
    EXPECT_EQ(tasks, (Strings{"T1", "T2", "T2"}));
    EXPECT_EQ(Text(TaskImpacts("R1", "Pre-mitigation")[0], "DurMin"), durMin);
  }
}

TEST_F(QuantitativeSteps, AContainerTheRiskLacksEndsTheTaskImpacts) {
  EXPECT_TRUE(Import(WithRisks("Task Impacts", {{"Pre-mitigation", "R9", "T1"},
                                                {"Contingency", "R1", "T1"},
                                                {"Pre-mitigation", "R2", "T1"}})));
  EXPECT_EQ(ErrorLines(),
            Strings{"Could not add Impact (TaskID - T1) as Risk (ID -R9) does not exist"});
  EXPECT_EQ(BoxTexts(), (Strings{msg::kTaskImpactsFailed, msg::kViewErrors}));
  EXPECT_TRUE(TaskImpacts("R2", "Pre-mitigation").empty());
  EXPECT_TRUE(Stored());
}

TEST_F(QuantitativeSteps, ProbabilitiesAndCostsReachTheirRisks) {
  EXPECT_TRUE(Import(WithRisks("Quantitative Risks", {{"Post-mitigation", "R1", "", "0.15", "100"},
                                                      {"Pre-mitigation", "R1", "", "0.4", "2500"},
                                                      {"Contingency", "R1", "", "0.9", "7"},
                                                      {"Pre-mitigation"},
                                                      {"", "R2", "", "0.25"}})));
  EXPECT_EQ(Text(Risk("R1"), "Pre-mitigation/Quantitative/Probability"), "40");
  EXPECT_EQ(Text(Risk("R1"), "Post-mitigation/Quantitative/Probability"), "15");
  EXPECT_EQ(Text(Risk("R1"), "ResponseTotalCost"), "2500");
  EXPECT_EQ(Text(Risk("R2"), "Pre-mitigation/Quantitative/Probability"), "25");
  EXPECT_EQ(Text(Risk("R2"), "ResponseTotalCost"), "0");
  // A container name without a risk ID is looked up as the empty ID.
  EXPECT_EQ(
      ErrorLines(),
      Strings{"Could not add additional Quantitative info to Risk as Risk (ID -) does not exist"});
  EXPECT_EQ(LastLabel("Importing Quantitative Risk - "),
            "Importing Quantitative Risk - R2 (4 of 4)");
}

TEST_F(QuantitativeSteps, NoQuantitativeRisksToReadEndsCleanly) {
  for (OlderWorkbook workbook : {WithRisks("Risk History", {}).Without("Quantitative Risks"),
                                 WithRisks("Risk History", {})
                                     .Without("Quantitative Risks")
                                     .Cells("Quantitative Risks", 2, {"Plan"})}) {
    EXPECT_TRUE(Import(workbook));
    EXPECT_TRUE(ErrorLines().empty());
    EXPECT_TRUE(BoxTexts().empty());
  }
}

}  // namespace
}  // namespace velloway
