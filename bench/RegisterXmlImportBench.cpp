// Times a whole older-template import of a large register: the workbook is read, the register
// document built (risks, two actions each, task impacts, quantitative rows and history), checked
// against the shipped schema and stored in a real SQLite plan. Run it with two sizes: the time
// per risk must stay flat, since every step finds its risk through the document's index.
// The workbook is generated at run time (not committed).
//
//   build/bench/velloway_register_xml_import_bench [risks]   (default 100000)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchImport.h"
#include "LargeRegister.h"

int main(int argc, char** argv) {
  const int risks = argc > 1 ? std::atoi(argv[1]) : 100000;
  const auto folder = std::filesystem::temp_directory_path() / "velloway-register-xml-bench";
  std::filesystem::create_directories(folder / "RiskRegister");
  std::filesystem::copy_file(VELLOWAY_SOURCE_SHARE "/RiskRegister/RiskRegister.xsd",
                             folder / "RiskRegister" / "RiskRegister.xsd",
                             std::filesystem::copy_options::overwrite_existing);
  const std::string workbook = (folder / "register.xlsx").string();
  velloway::bench::WriteLargeRegister(workbook, "2.1", risks);
  const auto run = velloway::bench::TimeImport(
      folder, workbook, "[RegPath]\nWorkingKey=Bench\n[XML]\nSchemaValidationOn=TRUE\n");
  std::printf("risks %d: imported in %.2f s (%.1f us per risk), peak memory %.0f MiB\n", risks,
              run.seconds, run.seconds * 1e6 / risks, run.peakMiB);
  return run.planWrites > 0 ? 0 : 1;
}
