// Times a whole current-template import of a large register: the workbook is read, every sheet
// loaded into the model and every record written into a real SQLite plan in one transaction.
// The workbook is generated at run time (not committed).
//
//   build/bench/velloway_register_bench [risks]   (default 100000)
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "BenchImport.h"

namespace {

using velloway::bench::Row;

// Options, then risks, two actions per risk, a history entry per risk, quantitative risks in
// ten scenarios and two task impacts per quantitative risk.
void WriteRegister(const std::string& path, int risks) {
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
  if (workbook_close(wb) != LXW_NO_ERROR) std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  const int risks = argc > 1 ? std::atoi(argv[1]) : 100000;
  const auto folder = std::filesystem::temp_directory_path() / "velloway-register-bench";
  std::filesystem::create_directories(folder);
  const std::string workbook = (folder / "register.xlsx").string();
  WriteRegister(workbook, risks);
  const auto run = velloway::bench::TimeImport(folder, workbook, "[RegPath]\nWorkingKey=Bench\n");
  std::printf("risks %d: %d plan writes in %.2f s (%.0f writes/s), peak memory %.0f MiB\n", risks,
              run.planWrites, run.seconds, run.planWrites / run.seconds, run.peakMiB);
  return run.planWrites > 0 ? 0 : 1;
}
