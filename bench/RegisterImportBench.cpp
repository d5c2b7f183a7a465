// Times a whole current-template import of a large register: the workbook is read, every sheet
// loaded into the model and every record written into a real SQLite plan in one transaction.
// The workbook is generated at run time (not committed).
//
//   build/bench/velloway_register_bench [risks]   (default 100000)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchImport.h"
#include "LargeRegister.h"

int main(int argc, char** argv) {
  const int risks = argc > 1 ? std::atoi(argv[1]) : 100000;
  const auto folder = std::filesystem::temp_directory_path() / "velloway-register-bench";
  std::filesystem::create_directories(folder);
  const std::string workbook = (folder / "register.xlsx").string();
  velloway::bench::WriteLargeRegister(workbook, "2.2", risks);
  const auto run = velloway::bench::TimeImport(folder, workbook, "[RegPath]\nWorkingKey=Bench\n");
  std::printf("risks %d: %d plan writes in %.2f s (%.0f writes/s), peak memory %.0f MiB\n", risks,
              run.planWrites, run.seconds, run.planWrites / run.seconds, run.peakMiB);
  return run.planWrites > 0 ? 0 : 1;
}
