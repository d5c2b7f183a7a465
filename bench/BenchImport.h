// One whole import of a workbook into a fresh SQLite plan as the host runs it, timed.
#pragma once

#include <filesystem>
#include <string>

namespace velloway::bench {

struct ImportRun {
  double seconds = 0;
  int planWrites = 0;
  double peakMiB = 0;
};

// Imports workbook into folder/plan.db in one transaction, with folder as the host's
// installation folder (its Kestrion.ini gets iniText, working key "Bench"), a registry in
// memory, no questions answered Yes and a fixed clock.
ImportRun TimeImport(const std::filesystem::path& folder, const std::string& workbook,
                     const std::string& iniText);

}  // namespace velloway::bench
