// Times a whole older-template import of a large register: the workbook is read, the register
// document built (risks, two actions each, task impacts, quantitative rows and history), checked
// against the shipped schema and stored in a real SQLite plan. Run it with two sizes: the time
// per risk must stay flat, since every step finds its risk through the document's index.
// The workbook is generated at run time (not committed).
//
//   build/bench/velloway_register_xml_import_bench [risks]   (default 100000)
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BenchImport.h"
#include "BenchPid.h"

namespace {

using velloway::bench::Row;

using velloway::bench::kPid;

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

void WriteRegister(const std::string& path, int risks) {
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
  if (workbook_close(wb) != LXW_NO_ERROR) std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  const int risks = argc > 1 ? std::atoi(argv[1]) : 100000;
  const auto folder = std::filesystem::temp_directory_path() / "velloway-register-xml-bench";
  std::filesystem::create_directories(folder / "RiskRegister");
  std::filesystem::copy_file(VELLOWAY_SOURCE_SHARE "/RiskRegister/RiskRegister.xsd",
                             folder / "RiskRegister" / "RiskRegister.xsd",
                             std::filesystem::copy_options::overwrite_existing);
  const std::string workbook = (folder / "register.xlsx").string();
  WriteRegister(workbook, risks);
  const auto run = velloway::bench::TimeImport(
      folder, workbook, "[RegPath]\nWorkingKey=Bench\n[XML]\nSchemaValidationOn=TRUE\n");
  std::printf("risks %d: imported in %.2f s (%.1f us per risk), peak memory %.0f MiB\n", risks,
              run.seconds, run.seconds * 1e6 / risks, run.peakMiB);
  return run.planWrites > 0 ? 0 : 1;
}
