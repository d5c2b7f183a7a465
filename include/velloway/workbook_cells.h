// What the import reads from a workbook, cell by cell: for hosts that show a user why an import
// read what it did.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "velloway/export.h"
#include "velloway/registry.h"

namespace velloway {

enum class CellListingResult { Listed, CannotOpen, NoSuchSheet };

// Prints "SHEET!A1<TAB>TEXT" to out for every non-empty cell (of one sheet when sheetName is
// given), exactly the text the import reads: "$" kept, line feeds as "<CRLF>", "." as the
// decimal separator and the user's date and time patterns from registry. When the result is not
// Listed, reason says why in one line.
VELLOWAY_API CellListingResult ListWorkbookCells(const std::string& workbookPath,
                                                 const std::optional<std::string>& sheetName,
                                                 std::shared_ptr<Registry> registry, std::FILE* out,
                                                 std::string& reason);

}  // namespace velloway
