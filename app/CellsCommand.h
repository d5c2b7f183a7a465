// velloway cells: what the cell reader gives for every non-empty cell of a workbook.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace velloway::app {

// Prints "SHEET!A1<TAB>TEXT" per non-empty cell under the forced "." separator and the user's
// date patterns. Returns 0, or 1 with a one-line reason on err when the workbook cannot be
// opened or has no sheet of that name.
int RunCellsCommand(const std::string& workbookPath, const std::optional<std::string>& sheetName,
                    std::FILE* out, std::FILE* err);

}  // namespace velloway::app
