#include "LargeRegister.h"

#include <stdexcept>
#include <vector>

#include "BenchPid.h"

namespace velloway::bench {
namespace {

// Writes texts from column A on; empty texts leave their cells empty.
void Row(lxw_worksheet* ws, lxw_row_t row, const std::vector<std::string>& texts) {
  for (std::size_t column = 0; column < texts.size(); ++column) {
    if (texts[column].empty()) continue;
    worksheet_write_string(ws, row, static_cast<lxw_col_t>(column), texts[column].c_str(), nullptr);
  }
}

void Close(lxw_workbook* wb, const std::string& path) {
  if (workbook_close(wb) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + path);
}

// Options, then risks, two actions per risk, a history entry per risk, quantitative risks in
// ten scenarios and two task impacts per quantitative risk.
void WriteRegister22(const std::string& path, int risks) {
  lxw_workbook_options options = {LXW_TRUE, nullptr, LXW_FALSE};
  lxw_workbook* wb = workbook_new_opt(path.c_str(), &options);
  lxw_worksheet* o = workbook_add_worksheet(wb, "Options");
  for (lxw_row_t r = 0; r < 60; ++r) {
    if (r == 3) worksheet_write_string(o, r, 1, "2.2", nullptr);
    if ((r >= 18 && r <= 24) || (r >= 35 && r <= 44)) worksheet_write_number(o, r, 1, 1, nullptr);
    if (r == 21) worksheet_write_number(o, r, 2, 2, nullptr);
    if (r == 55) worksheet_write_number(o, r, 1, 0, nullptr);
  }
  for (const char* name : {"Qualitative Risks", "Risk History"}) {
    lxw_worksheet* ws = workbook_add_worksheet(wb, name);
    Row(ws, 1, {"Risk ID"});
    for (int i = 0; i < risks; ++i) {
      const std::string id = "R" + std::to_string(i);
      Row(ws, static_cast<lxw_row_t>(i + 2),
          {id,
           i % 3 ? "Threat" : "Opportunity",
           "Risk number " + std::to_string(i),
           "H",
           "M",
           "L",
           "N",
           std::to_string(i % 25),
           "M",
           "L",
           "L",
           "N",
           "4",
           "15/03/2027",
           "Open",
           "Owner " + std::to_string(i % 40),
           "A cause",
           "A description",
           "An effect",
           "ENG.1",
           "",
           "T",
           "01/12/2026"});
    }
  }
  lxw_worksheet* actions = workbook_add_worksheet(wb, "Response Actions");
  Row(actions, 1, {"Name", "Risk ID"});
  for (int i = 0; i < 2 * risks; ++i) {
    Row(actions, static_cast<lxw_row_t>(i + 2),
        {i % 2 ? "Action" : "", "R" + std::to_string(i / 2), "Do something", "Someone",
         "20/01/2027", "", "$1,250.00", "Proposed", "L", "L", "L", "N", "2"});
  }
  lxw_worksheet* quant = workbook_add_worksheet(wb, "Quantitative Risks");
  lxw_worksheet* impacts = workbook_add_worksheet(wb, "Task Impacts");
  Row(quant, 1, {"Scenario", "Risk ID"});
  Row(impacts, 1, {"Scenario", "Risk ID"});
  for (int i = 0; i < risks; ++i) {
    const std::string scenario = i % (risks / 10 + 1) == 0 ? "S" + std::to_string(i) : "";
    Row(quant, static_cast<lxw_row_t>(i + 2),
        {scenario, "R" + std::to_string(i), "Title", "0.25", "$1,000", "Actions"});
    for (int k = 0; k < 2; ++k) {
      Row(impacts, static_cast<lxw_row_t>(2 * i + k + 2),
          {k == 0 ? scenario : "", "R" + std::to_string(i), std::to_string(1000 + k), "T",
           "Triangular", "1", "2", "3", "Triangular", "$10", "$20", "$30", "", ""});
    }
  }
  Close(wb, path);
}

// The layout of the example template: impacts in E, F and L, M; user fields in AB, AC.
void WriteOptions(lxw_workbook* wb) {
  lxw_worksheet* o = workbook_add_worksheet(wb, "Options");
  worksheet_write_string(o, 0, 0, "<Options/>", nullptr);
  worksheet_write_string(o, 2, 0,
                         "<UserFieldDefinitions><UserFieldDefinition ID=\"U1\"><Name>Phase</Name>"
                         "<Type>Text</Type></UserFieldDefinition></UserFieldDefinitions>",
                         nullptr);
  worksheet_write_string(o, 3, 0, kPid, nullptr);
  worksheet_write_string(o, 3, 1, "2.1", nullptr);
  worksheet_write_string(o, 13, 0, "2.1", nullptr);
  const int layout[] = {4, 7, 11, 14, 13, 16, 28, 29};
  for (int i = 0; i < 8; ++i)
    worksheet_write_number(o, static_cast<lxw_row_t>(15 + i), 1, layout[i], nullptr);
}

std::vector<std::string> RiskRow(int i) {
  return {"R" + std::to_string(i),
          "Threat",
          "Risk " + std::to_string(i),
          "H",
          "H",
          "L",
          "12",
          "Reduce",
          "Reviews",
          "1000",
          "M",
          "L",
          "L",
          "6",
          "Owner",
          "Cause",
          "Description",
          "Effect",
          "1.2",
          "Open",
          "",
          "",
          "2025-01-06",
          "2025-06-30",
          "4000",
          "",
          "",
          "Design",
          "",
          "2025-01-06"};
}

void WriteRegister21(const std::string& path, int risks) {
  lxw_workbook_options options = {LXW_TRUE, nullptr, LXW_FALSE};
  lxw_workbook* wb = workbook_new_opt(path.c_str(), &options);
  WriteOptions(wb);
  const std::vector<std::string> riskHeader{"Risk ID", "", "", "", "Cost", "Time", "",
                                            "",        "", "", "", "Cost", "Time"};
  for (const char* name : {"Qualitative Risks", "Risk History"}) {
    lxw_worksheet* ws = workbook_add_worksheet(wb, name);
    std::vector<std::string> header = riskHeader;
    header.resize(28);
    header.push_back("Phase");
    Row(ws, 1, header);
    for (int i = 0; i < risks; ++i) Row(ws, static_cast<lxw_row_t>(i + 2), RiskRow(i));
  }
  lxw_worksheet* actions = workbook_add_worksheet(wb, "Response Actions");
  Row(actions, 1,
      {"Action", "Risk ID", "", "", "", "", "", "", "", "", "", "", "", "Cost", "Time"});
  for (int i = 0; i < 2 * risks; ++i) {
    Row(actions, static_cast<lxw_row_t>(i + 2),
        {"Action", "R" + std::to_string(i / 2), "Do something", "Someone", "2025-01-13",
         "2025-05-30", "", "", "1250", "0", "", "", "L", "L", "L", "2", "Text"});
  }
  lxw_worksheet* quant = workbook_add_worksheet(wb, "Quantitative Risks");
  lxw_worksheet* impacts = workbook_add_worksheet(wb, "Task Impacts");
  Row(quant, 1, {"Plan", "Risk ID"});
  Row(impacts, 1, {"Plan", "Risk ID"});
  for (int i = 0; i < risks; ++i) {
    const std::string id = "R" + std::to_string(i);
    const std::string plan = i % 2 ? "Post-mitigation" : "Pre-mitigation";
    Row(quant, static_cast<lxw_row_t>(i + 2), {plan, id, "Title", "0.25", "1000"});
    Row(impacts, static_cast<lxw_row_t>(i + 2),
        {plan, id, std::to_string(i % 50), "Triangular", "1", "2", "3", "", "10", "20", "30",
         "TRUE", "TRUE", "FALSE"});
  }
  Close(wb, path);
}

}  // namespace

void WriteLargeRegister(const std::string& path, const std::string& templateVersion, int risks) {
  if (templateVersion == "2.2") {
    WriteRegister22(path, risks);
  } else {
    WriteRegister21(path, risks);
  }
}

}  // namespace velloway::bench
