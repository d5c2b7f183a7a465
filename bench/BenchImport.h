// What the import benchmarks share: writing rows of a generated workbook, and one whole import
// of it into a fresh SQLite plan as the host runs it, timed.
#pragma once

#include <xlsxwriter.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velloway::bench {

// Writes texts from column A on; empty texts leave their cells empty.
void Row(lxw_worksheet* ws, lxw_row_t row, const std::vector<std::string>& texts);

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
