// Writes examples/register-2.1.xlsx: a risk register in the older template, whose Options sheet
// holds the register's settings as one-line XML fragments. The file is the same on every run:
// its creation time is fixed and every value is written in the same order.
//
//   make_register_2_1 OUTPUT.xlsx
#include <xlsxwriter.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

// Fragments of the Options sheet, column A, one per cell and each on one line: a line break
// inside a cell would reach the import as "<CRLF>" and break the XML.
const char* const kOptions =
    "<Options><Currency>\xC2\xA3</Currency><RiskMatrixSize>5</RiskMatrixSize>"
    "<ShowClosedRisks>false</ShowClosedRisks><ScoreMethod>Multiply</ScoreMethod></Options>";
const char* const kUserFieldDefinitions =
    "<UserFieldDefinitions>"
    "<UserFieldDefinition ID=\"UF1\"><Name>Phase</Name><Type>Text</Type></UserFieldDefinition>"
    "<UserFieldDefinition ID=\"UF2\"><Name>Review Date</Name><Type>Start Date</Type>"
    "</UserFieldDefinition></UserFieldDefinitions>";
const char* const kSourceProjectId =
    "<SourceProjectID>{7D3C2A10-4B5E-4F61-9A2B-0C1D2E3F4A5B}</SourceProjectID>";
const char* const kPlanData =
    "<PlanData xmlns:kspd=\"http://www.kestrion.com/2006/KSPlanData\"><kspd:Tasks>"
    "<kspd:Task UID=\"1\" Name=\"Design\"/><kspd:Task UID=\"2\" Name=\"Build\"/>"
    "<kspd:Task UID=\"3\" Name=\"Commission\"/></kspd:Tasks></PlanData>";

std::string Level(int position, const char* shortName, const char* fullName) {
  return "<Level Position=\"" + std::to_string(position) + "\"><ShortName>" + shortName +
         "</ShortName><FullName>" + fullName + "</FullName></Level>";
}

std::string LevelType(const char* name, const std::vector<std::string>& levels) {
  std::string text = std::string("<LevelType Name=\"") + name + "\"><Levels>";
  for (const std::string& level : levels) text += level;
  return text + "</Levels></LevelType>";
}

std::string Pid() {
  const std::vector<std::string> fiveLevels{Level(1, "VL", "Very Low"), Level(2, "L", "Low"),
                                            Level(3, "M", "Medium"), Level(4, "H", "High"),
                                            Level(5, "VH", "Very High")};
  return "<PID><LevelTypes>" + LevelType("Probability", fiveLevels) +
         LevelType("Impacts", fiveLevels) +
         LevelType("Manageability", {Level(1, "E", "Easy"), Level(2, "M", "Manageable"),
                                     Level(3, "D", "Difficult")}) +
         "</LevelTypes></PID>";
}

lxw_format* gDateFormat = nullptr;

bool IsNumber(const std::string& text) {
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  return *end == '\0' && text.find_first_not_of("0123456789.-") == std::string::npos;
}

// A date cell for "yyyy-mm-dd", as a spreadsheet keeps dates.
bool WriteDate(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& text) {
  lxw_datetime date{};
  if (text.size() != 10 ||
      std::sscanf(text.c_str(), "%4d-%2d-%2d", &date.year, &date.month, &date.day) != 3) {
    return false;
  }
  worksheet_write_datetime(sheet, row, col, &date, gDateFormat);
  return true;
}

// Writes a row from column A: numbers, dates and TRUE/FALSE as such, other texts as text; ""
// leaves a cell empty.
void WriteRow(lxw_worksheet* sheet, lxw_row_t row, const Row& cells) {
  for (lxw_col_t col = 0; col < cells.size(); ++col) {
    const std::string& text = cells[col];
    if (text.empty() || WriteDate(sheet, row, col, text)) continue;
    if (text == "TRUE" || text == "FALSE") {
      worksheet_write_boolean(sheet, row, col, text == "TRUE", nullptr);
    } else if (IsNumber(text)) {
      worksheet_write_number(sheet, row, col, std::strtod(text.c_str(), nullptr), nullptr);
    } else {
      worksheet_write_string(sheet, row, col, text.c_str(), nullptr);
    }
  }
}

void WriteSheet(lxw_workbook* book, const char* name, const Row& header,
                const std::vector<Row>& rows) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, name);
  worksheet_write_string(sheet, 0, 0, name, nullptr);
  WriteRow(sheet, 1, header);
  for (std::size_t i = 0; i < rows.size(); ++i)
    WriteRow(sheet, static_cast<lxw_row_t>(i + 2), rows[i]);
}

void WriteOptions(lxw_workbook* book) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Options");
  worksheet_write_string(sheet, 0, 0, kOptions, nullptr);
  worksheet_write_string(sheet, 2, 0, kUserFieldDefinitions, nullptr);
  worksheet_write_string(sheet, 3, 0, Pid().c_str(), nullptr);
  worksheet_write_string(sheet, 4, 0, kSourceProjectId, nullptr);
  worksheet_write_string(sheet, 5, 0, kPlanData, nullptr);
  worksheet_write_string(sheet, 3, 1, "2.1", nullptr);   // B4: the template version
  worksheet_write_string(sheet, 13, 0, "2.1", nullptr);  // A14: the options version
  // B16 to B23: the column layout of the risk and action sheets.
  const std::vector<std::pair<const char*, double>> layout{
      {"Pre-mitigation probability column", 4},
      {"Pre-mitigation score column", 7},
      {"Post-mitigation probability column", 11},
      {"Post-mitigation score column", 14},
      {"Action probability column", 13},
      {"Action score column", 16},
      {"First user field column", 28},
      {"Last user field column", 29}};
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const auto row = static_cast<lxw_row_t>(15 + i);
    worksheet_write_string(sheet, row, 2, layout[i].first, nullptr);
    worksheet_write_number(sheet, row, 1, layout[i].second, nullptr);
  }
}

// The record sheets: a title in row 1, the header in row 2, data from row 3. Each table is
// laid out one sheet row per line.
// clang-format off
const Row kRiskHeader{
    "Risk ID", "Type", "Title", "Probability", "Cost", "Schedule", "Score", "Response",
    "Response Title", "Response Cost", "Probability", "Cost", "Schedule", "Score", "Owner",
    "Cause", "Description", "Effect", "RBS", "Status", "Manageability", "Proximity",
    "Start Date", "End Date", "Exposure", "Quantifiable", "Quantified", "Phase", "Review Date"};

void WriteRisks(lxw_workbook* book) {
  Row header = kRiskHeader;
  header.push_back("Fallback Plan");
  WriteSheet(book, "Qualitative Risks", header, {
      {"R001", "Threat", "Late design approval", "H", "M", "H", "16", "Reduce",
       "Weekly design reviews", "12000", "L", "L", "M", "6", "A. Okafor",
       "Client board meets monthly", "Design sign-off slips past the window",
       "Build start delayed", "1.2", "Open", "Manageable", "Near", "2025-01-06", "2025-06-30",
       "48000", "TRUE", "FALSE", "Design", "2025-02-01", "Start build on approved packages"},
      {"R002", "Opportunity", "Early steel delivery", "M", "L", "M", "9", "Exploit",
       "Reserve crane slot", "2500", "H", "L", "H", "12", "J. Lindqvist",
       "Mill has spare capacity", "Steel arrives four weeks early", "Frame starts early", "2.1",
       "Open", "Easy", "Medium", "2025-02-03", "2025-04-30", "-15000", "TRUE", "TRUE", "Build",
       "2025-03-01", ""},
      {"R003", "", "Ground conditions", "VH", "H", "VH", "25", "", "", "0", "VH", "H", "VH", "25",
       "M. Duarte", "Limited site investigation",
       "Soft ground found under the east wing\nafter excavation starts", "Piling redesign",
       "2.3", "", "Difficult", "", "2025-03-03", "2025-09-30", "250000", "", "", "Build",
       "2025-04-15", "Accept and monitor"},
      {"R004", "Threat", "Crane availability", "M", "M", "H", "12", "Transfer",
       "Crane hire under the main contract", "5000", "L", "L", "M", "4", "S. Patel",
       "Regional shortage of tower cranes", "No tower crane free for steel erection",
       "Frame programme slips", "3.1", "Open", "Easy", "Far", "2025-04-01", "2025-08-29", "18000",
       "TRUE", "TRUE", "Build", "2025-03-15", "Mobile cranes on day rates"},
      {"R005", "Threat", "Commissioning staff turnover", "L", "L", "M", "6", "Accept", "", "0",
       "L", "L", "M", "6", "K. Brennan", "Tight market for specialist labour",
       "Commissioning engineers leave mid-stage", "Handover delayed", "4.2", "Closed",
       "Manageable", "Near", "2025-09-01", "2025-11-28", "4000", "FALSE", "FALSE", "Commission",
       "2025-08-15", ""},
      {"R006", "Opportunity", "Shared site welfare", "M", "L", "L", "6", "Share",
       "Joint welfare with the neighbouring site", "1500", "H", "L", "L", "9", "A. Okafor",
       "Neighbouring project starts in spring", "Welfare cabins shared with the next contractor",
       "Preliminaries cost falls", "1.4", "Open", "Easy", "Medium", "2025-03-03", "2025-12-19",
       "-8000", "TRUE", "FALSE", "Design", "2025-02-20", ""}});
}

void WriteActions(lxw_workbook* book) {
  WriteSheet(book, "Response Actions",
      {"Action", "Risk ID", "Description", "Responsibility", "Start", "Finish", "Target Start",
       "Target Finish", "Cost", "Actual Cost", "Task ID", "Status", "Probability", "Cost",
       "Schedule", "Score", "Text 1", "Text 2", "Text 3", "Text 4", "Text 5"}, {
      {"Reviews", "R001", "Weekly review with the client", "A. Okafor", "2025-01-13",
       "2025-05-30", "2025-01-06", "", "8000", "2500", "1", "In Progress", "M", "L", "M", "9",
       "Minutes filed", "", "", "", ""},
      {"Fast track", "R001", "Approve packages one by one", "J. Lindqvist", "2025-02-03",
       "2025-03-28", "", "", "4000", "0", "", "", "L", "L", "L", "4", "", "", "", "", ""},
      {"Probe survey", "R003", "Extra boreholes under the east wing", "M. Duarte", "2025-02-10",
       "2025-02-28", "2025-02-03", "2025-02-21", "18500", "17250", "1", "Complete", "H", "M",
       "H", "16", "Report GI-07", "Geotechnics", "", "", ""},
      {"Piling redesign", "R003", "Design CFA piles for the soft zone", "M. Duarte",
       "2025-03-03", "2025-04-11", "2025-03-03", "2025-04-04", "42000", "0", "2", "In Progress",
       "H", "M", "M", "12", "", "Structures", "", "", ""},
      {"Crane framework", "R004", "Call off a crane from the framework supplier", "S. Patel",
       "2025-03-03", "2025-03-31", "", "", "1200", "1200", "2", "Complete", "L", "L", "L", "2",
       "PO 4471", "", "", "", ""},
      {"Welfare agreement", "R006", "Agree shared welfare with the neighbouring contractor",
       "A. Okafor", "2025-02-17", "2025-03-14", "", "", "500", "350", "", "Complete", "VH", "L",
       "L", "10", "Signed 12 March", "", "", "", ""}});
}

void WriteQuantitative(lxw_workbook* book) {
  WriteSheet(book, "Quantitative Risks",
      {"Plan", "Risk ID", "Title", "Probability", "Response Cost"}, {
      {"Pre-mitigation", "R001", "Late design approval", "0.4", "12000"},
      {"Post-mitigation", "R001", "Late design approval", "0.15", "12000"},
      {"Pre-mitigation", "R003", "Ground conditions", "0.75", "0"},
      {"Post-mitigation", "R003", "Ground conditions", "0.35", "60500"},
      {"Pre-mitigation", "R004", "Crane availability", "0.3", "1200"},
      {"Post-mitigation", "R004", "Crane availability", "0.1", "1200"},
      {"Pre-mitigation", "R006", "Shared site welfare", "0.5", "500"},
      {"", "R002", "Early steel delivery", "0.45", "2500"}});
  WriteSheet(book, "Task Impacts",
      {"Plan", "Risk ID", "Task ID", "Duration Shape", "Min", "Likely", "Max", "Cost Shape",
       "Min", "Likely", "Max", "Correlate", "Correlate Existence", "Link"}, {
      {"Pre-mitigation", "R001", "1", "Triangular", "5", "10", "20", "Uniform", "1000", "2000",
       "5000", "TRUE", "TRUE", "FALSE"},
      {"", "R001", "2", "", "2", "3", "6", "", "0", "0", "0", "", "", ""},
      {"Post-mitigation", "R003", "2", "Triangular", "10", "15", "30", "Triangular", "20000",
       "40000", "90000", "FALSE", "TRUE", "TRUE"},
      {"Pre-mitigation", "R003", "2", "Triangular", "15", "25", "45", "Triangular", "40000",
       "75000", "160000", "TRUE", "TRUE", "FALSE"},
      {"Pre-mitigation", "R004", "2", "Uniform", "5", "7", "10", "Uniform", "8000", "11000",
       "15000", "FALSE", "TRUE", "FALSE"},
      {"", "R004", "3", "Triangular", "2", "4", "8", "", "0", "0", "0", "FALSE", "FALSE", "TRUE"},
      {"Post-mitigation", "R004", "2", "Triangular", "1", "2", "4", "Uniform", "500", "1000",
       "2000", "FALSE", "TRUE", "FALSE"},
      {"Pre-mitigation", "R002", "2", "Triangular", "-20", "-10", "-5", "Triangular", "-15000",
       "-8000", "-2000", "TRUE", "TRUE", "FALSE"}});
}

void WriteHistory(lxw_workbook* book) {
  Row header = kRiskHeader;
  header.push_back("Audit Date");
  WriteSheet(book, "Risk History", header, {
      {"R001", "Threat", "Late design approval", "VH", "H", "H", "20", "Reduce",
       "Weekly design reviews", "12000", "M", "M", "M", "9", "A. Okafor",
       "Client board meets monthly", "Design sign-off slips", "Build start delayed", "1.2",
       "Open", "Difficult", "Near", "2024-11-04", "2025-06-30", "60000", "TRUE", "FALSE",
       "Design", "2025-02-01", "2024-11-04"},
      {"R003", "Threat", "Ground conditions", "H", "H", "VH", "20", "Reduce",
       "Ground investigation", "10000", "M", "M", "H", "12", "M. Duarte",
       "Limited site investigation", "Soft ground may lie under the east wing", "Piling redesign",
       "2.3", "Open", "Difficult", "Medium", "2025-03-03", "2025-09-30", "150000", "TRUE",
       "FALSE", "Build", "2025-04-15", "2024-12-02"},
      {"R001", "Threat", "Late design approval", "H", "M", "H", "16", "Reduce",
       "Weekly design reviews", "12000", "L", "L", "M", "6", "A. Okafor",
       "Client board meets monthly", "Design sign-off slips past the window",
       "Build start delayed", "1.2", "Open", "Manageable", "Near", "2025-01-06", "2025-06-30",
       "48000", "TRUE", "FALSE", "Design", "2025-02-01", "2025-01-06"},
      {"R002", "Opportunity", "Early steel delivery", "L", "L", "M", "6", "Exploit",
       "Reserve crane slot", "2500", "M", "L", "M", "9", "J. Lindqvist", "Mill has spare capacity",
       "Steel may arrive early", "Frame starts early", "2.1", "Open", "Easy", "Medium",
       "2025-02-03", "2025-04-30", "-8000", "TRUE", "FALSE", "Build", "2025-03-01", "2025-01-06"},
      {"R003", "Threat", "Ground conditions", "VH", "H", "VH", "25", "Reduce",
       "Probe survey and piling redesign", "60500", "H", "M", "H", "16", "M. Duarte",
       "Limited site investigation", "Soft ground found under the east wing", "Piling redesign",
       "2.3", "Open", "Difficult", "Near", "2025-03-03", "2025-09-30", "250000", "TRUE", "FALSE",
       "Build", "2025-04-15", "2025-01-06"}});
}
// clang-format on

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.xlsx\n", argv[0]);
    return 2;
  }
  lxw_workbook* book = workbook_new(argv[1]);
  if (book == nullptr) return 1;
  lxw_doc_properties properties{};
  properties.title = const_cast<char*>("Risk register (older template)");
  properties.created = 1735689600;  // 2025-01-01 00:00:00 UTC, so every run writes the same file
  workbook_set_properties(book, &properties);
  gDateFormat = workbook_add_format(book);
  format_set_num_format(gDateFormat, "dd/mm/yyyy");
  WriteOptions(book);
  WriteRisks(book);
  WriteActions(book);
  WriteQuantitative(book);
  WriteHistory(book);
  const lxw_error error = workbook_close(book);
  if (error != LXW_NO_ERROR) {
    std::fprintf(stderr, "%s: %s\n", argv[1], lxw_strerror(error));
    return 1;
  }
  return 0;
}
