#include "app/TemplateLayout.h"

namespace velloway::app {
namespace {

using K = ColumnKind;

const char* const kTypes = "Threat,Opportunity";
const char* const kRiskStatus = "Open,Closed";
const char* const kActionStatus = "Proposed,In Progress,Complete";
const char* const kShapes = "Triangular,Uniform";
const char* const kFlags = "TRUE,FALSE";
const char* const kContainers = "Pre-mitigation,Post-mitigation";

OptionCell Text(const char* cell, const char* text) { return {cell, text, std::nullopt}; }
OptionCell Number(const char* cell, double value) { return {cell, "", value}; }
OptionCell Fragment(const char* cell, std::string xml) {
  return {cell, std::move(xml), std::nullopt, true};
}

// A cell name from a column letter and a row number.
std::string Cell(char column, int row) { return column + std::to_string(row); }

// The current template's "Options" sheet: details, a five-level probability-impact definition,
// the register options and one scenario.
std::vector<OptionCell> CurrentOptions() {
  std::vector<OptionCell> cells{
      Text("A1", "Register details"),
      Text("A2", "Currency"),
      Text("B2", "$"),
      Text("A3", "Title"),
      Text("A4", "Template version (do not change)"),
      Text("B4", "2.2"),
      Text("A10", "Probability-impact definition"),
      Text("A11", "Performance impact levels, very high (B11) down to very low (B15)"),
      Text("B11", "Safety or statutory breach"),
      Text("B12", "Loss of a main function"),
      Text("B13", "Reduced function"),
      Text("B14", "Minor defect"),
      Text("B15", "No noticeable effect"),
      Text("A16", "Schedule impact levels, very low (B) to very high (F)"),
      Text("A17", "Probability levels, very low (B) to very high (F)"),
      Text("A18", "Scores of the matrix, B18 to Z18"),
      Text("A19", "Score the performance impact (1 yes, 0 no)"),
      Number("B19", 1),
      Text("A20", "Score the schedule impact (1 yes, 0 no)"),
      Number("B20", 1),
      Text("A21", "Score the cost impact (1 yes, 0 no)"),
      Number("B21", 1),
      Text("A22", "Green below the score in B22, red from the score in C22"),
      Number("B22", 4.5),
      Number("C22", 12),
      Text("A23", "Number of impact levels"),
      Number("B23", 5),
      Text("A24", "Number of probability levels"),
      Number("B24", 5),
      Text("A25", "Risk scoring method"),
      Number("B25", 1),
      Text("A26", "Cost impact levels, very low (B) to very high (F)"),
      Text("A35", "Register options (whole numbers)"),
      Text("A36", "Colour of target scores"),
      Number("B36", 9602507),
      Text("A37", "Colour of current scores"),
      Number("B37", 14871722),
      Text("A38", "Colour of opportunities"),
      Number("B38", 12561751),
      Text("A39", "Colour of threats"),
      Number("B39", 5992447),
      Text("A40", "Costs include duration (1 or 0)"),
      Number("B40", 0),
      Text("A41", "Spread costs (1 or 0)"),
      Number("B41", 1),
      Text("A42", "Maximum very high value"),
      Number("B42", 2),
      Text("A43", "Default shape"),
      Number("B43", 1),
      Text("A44", "Include risks with score (number)"),
      Number("B44", 0),
      Text("A45", "Include risks with score (1 or 0)"),
      Number("B45", 0),
      Text("A56", "Number of scenarios; names below, then per scenario two settings"),
      Number("B56", 1),
      Text("A57", "Scenario 1 name"),
      Text("B57", "Base"),
      Text("A59", "Scenario 1: impacts linked (True or False)"),
      Text("B59", "False"),
      Text("A60", "Scenario 1: linked to"),
  };
  const char* schedule[] = {"< 1 week", "1-4 weeks", "1-3 months", "3-6 months", "> 6 months"};
  const char* probability[] = {"< 10%", "10-30%", "30-50%", "50-70%", "> 70%"};
  const char* cost[] = {"< $10k", "$10k-50k", "$50k-250k", "$250k-1m", "> $1m"};
  for (int i = 0; i < 5; ++i) {
    const char column = static_cast<char>('B' + i);
    cells.push_back({Cell(column, 16), schedule[i], std::nullopt});
    cells.push_back({Cell(column, 17), probability[i], std::nullopt});
    cells.push_back({Cell(column, 26), cost[i], std::nullopt});
  }
  for (int i = 0; i < 25; ++i) {
    cells.push_back({Cell(static_cast<char>('B' + i), 18), "", (i / 5 + 1) * (i % 5 + 1)});
  }
  return cells;
}

std::vector<Column> CurrentRiskColumns() {
  return {{"Risk ID", 10},
          {"Type", 13, K::Text, kTypes},
          {"Title", 30},
          {"Prob", 7},
          {"Cost", 7},
          {"Time", 7},
          {"Perf", 7},
          {"Score", 8, K::Number},
          {"Target prob", 8},
          {"Target cost", 8},
          {"Target time", 8},
          {"Target perf", 8},
          {"Target score", 8, K::Number},
          {"Target date", 12, K::Date},
          {"Status", 10, K::Text, kRiskStatus},
          {"Owner", 16},
          {"Cause", 30},
          {"Description", 36},
          {"Effect", 30},
          {"RBS", 10},
          {"Expiry", 12, K::Date},
          {"Qualitative", 11, K::Flag, kFlags}};
}

TemplateLayout CurrentTemplate() {
  std::vector<Column> history = CurrentRiskColumns();
  history.push_back({"Audit date", 12, K::Date});
  return {CurrentOptions(),
          {{"Qualitative Risks", CurrentRiskColumns()},
           {"Response Actions",
            {{"Name", 24},
             {"Risk ID", 10},
             {"Description", 36},
             {"Responsibility", 16},
             {"Target date", 12, K::Date},
             {"Actual date", 12, K::Date},
             {"Cost", 12, K::Number},
             {"Status", 12, K::Text, kActionStatus},
             {"Prob", 7},
             {"Cost level", 7},
             {"Time", 7},
             {"Perf", 7},
             {"Score", 8, K::Number}}},
           {"Quantitative Risks",
            {{"Scenario", 14},
             {"Risk ID", 10},
             {"Title", 30},
             {"Probability (0 to 1)", 12, K::Number},
             {"Mitigation cost", 14, K::Number},
             {"Mitigation actions", 30}}},
           {"Task Impacts",
            {{"Scenario", 14},
             {"Risk ID", 10},
             {"Task ID", 9},
             {"Scenario link", 10, K::Flag, kFlags},
             {"Duration shape", 12, K::Text, kShapes},
             {"Min dur", 9, K::Number},
             {"Likely dur", 9, K::Number},
             {"Max dur", 9, K::Number},
             {"Cost shape", 12, K::Text, kShapes},
             {"Min cost", 11, K::Number},
             {"Likely cost", 11, K::Number},
             {"Max cost", 11, K::Number},
             {"Correlate", 10, K::Flag, kFlags}}},
           {"Risk History", history}}};
}

const char* const kOlderOptions =
    "<Options><Currency>$</Currency><RiskMatrixSize>5</RiskMatrixSize>"
    "<ShowClosedRisks>false</ShowClosedRisks><ScoreMethod>Multiply</ScoreMethod></Options>";
const char* const kOlderUserFields =
    "<UserFieldDefinitions><UserFieldDefinition ID=\"UF1\"><Name>Category</Name>"
    "<Type>Text</Type></UserFieldDefinition></UserFieldDefinitions>";

std::string Level(int position, const char* shortName, const char* fullName) {
  return "<Level Position=\"" + std::to_string(position) + "\"><ShortName>" + shortName +
         "</ShortName><FullName>" + fullName + "</FullName></Level>";
}

// Five levels of probability and impact, three of manageability.
std::string OlderPid() {
  const std::string five = Level(1, "VL", "Very Low") + Level(2, "L", "Low") +
                           Level(3, "M", "Medium") + Level(4, "H", "High") +
                           Level(5, "VH", "Very High");
  const auto type = [](const char* name, const std::string& levels) {
    return std::string("<LevelType Name=\"") + name + "\"><Levels>" + levels +
           "</Levels></LevelType>";
  };
  return "<PID><LevelTypes>" + type("Probability", five) + type("Impacts", five) +
         type("Manageability",
              Level(1, "E", "Easy") + Level(2, "M", "Manageable") + Level(3, "D", "Difficult")) +
         "</LevelTypes></PID>";
}

// The risk columns of the older template; the layout cells B16 to B23 point into them.
std::vector<Column> OlderRiskColumns() {
  return {{"Risk ID", 10},
          {"Type", 13, K::Text, kTypes},
          {"Title", 30},
          {"Probability", 8},
          {"Cost", 8},
          {"Schedule", 8},
          {"Score", 8, K::Number},
          {"Response", 12},
          {"Response Title", 28},
          {"Response Cost", 12, K::Number},
          {"Probability", 8},
          {"Cost", 8},
          {"Schedule", 8},
          {"Score", 8, K::Number},
          {"Owner", 16},
          {"Cause", 30},
          {"Description", 36},
          {"Effect", 30},
          {"RBS", 10},
          {"Status", 10, K::Text, kRiskStatus},
          {"Manageability", 12},
          {"Proximity", 10},
          {"Start Date", 12, K::Date},
          {"End Date", 12, K::Date},
          {"Exposure", 12, K::Number},
          {"Quantifiable", 11, K::Flag, kFlags},
          {"Quantified", 11, K::Flag, kFlags},
          {"Category", 14}};
}

TemplateLayout OlderTemplate() {
  std::vector<Column> risks = OlderRiskColumns();
  risks.push_back({"Fallback Plan", 30});
  std::vector<Column> history = OlderRiskColumns();
  history.push_back({"Audit Date", 12, K::Date});
  return {{Fragment("A1", kOlderOptions),
           Text("C1", "Options (XML, one line)"),
           Fragment("A3", kOlderUserFields),
           Text("C3", "User field definitions (XML)"),
           Fragment("A4", OlderPid()),
           Text("C4", "Template version (B4, do not change)"),
           Text("B4", "2.1"),
           Fragment("A5", "<SourceProjectID/>"),
           Fragment("A6", "<PlanData/>"),
           Text("C6", "Plan data (XML)"),
           Text("A14", "2.1"),
           Text("C14", "Options version (A14)"),
           Number("B16", 4),
           Text("C16", "Pre-mitigation probability column"),
           Number("B17", 7),
           Text("C17", "Pre-mitigation score column"),
           Number("B18", 11),
           Text("C18", "Post-mitigation probability column"),
           Number("B19", 14),
           Text("C19", "Post-mitigation score column"),
           Number("B20", 13),
           Text("C20", "Action probability column"),
           Number("B21", 16),
           Text("C21", "Action score column"),
           Number("B22", 28),
           Text("C22", "First user field column"),
           Number("B23", 28),
           Text("C23", "Last user field column")},
          {{"Qualitative Risks", risks},
           {"Response Actions",
            {{"Action", 20},
             {"Risk ID", 10},
             {"Description", 36},
             {"Responsibility", 16},
             {"Start", 12, K::Date},
             {"Finish", 12, K::Date},
             {"Target Start", 12, K::Date},
             {"Target Finish", 12, K::Date},
             {"Cost", 11, K::Number},
             {"Actual Cost", 11, K::Number},
             {"Task ID", 9},
             {"Status", 12, K::Text, kActionStatus},
             {"Probability", 8},
             {"Cost", 8},
             {"Schedule", 8},
             {"Score", 8, K::Number},
             {"Text 1", 14},
             {"Text 2", 14},
             {"Text 3", 14},
             {"Text 4", 14},
             {"Text 5", 14}}},
           {"Quantitative Risks",
            {{"Plan", 16, K::Text, kContainers},
             {"Risk ID", 10},
             {"Title", 30},
             {"Probability (0 to 1)", 12, K::Number},
             {"Response Cost", 12, K::Number}}},
           {"Task Impacts",
            {{"Plan", 16, K::Text, kContainers},
             {"Risk ID", 10},
             {"Task ID", 9},
             {"Duration Shape", 12, K::Text, kShapes},
             {"Min", 9, K::Number},
             {"Likely", 9, K::Number},
             {"Max", 9, K::Number},
             {"Cost Shape", 12, K::Text, kShapes},
             {"Min", 11, K::Number},
             {"Likely", 11, K::Number},
             {"Max", 11, K::Number},
             {"Correlate", 10, K::Flag, kFlags},
             {"Correlate Existence", 10, K::Flag, kFlags},
             {"Link", 8, K::Flag, kFlags}}},
           {"Risk History", history}}};
}

}  // namespace

const TemplateLayout* FindTemplateLayout(const std::string& version) {
  static const TemplateLayout current = CurrentTemplate();
  static const TemplateLayout older = OlderTemplate();
  if (version == "2.2") return &current;
  if (version == "2.1") return &older;
  return nullptr;
}

}  // namespace velloway::app
