// The listing behind "velloway cells": every cell that reads as non-empty text, as
// "SHEET!A1<TAB>TEXT" lines, sheet by sheet in workbook order, row by row.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace velloway::workbook {

class Workbook;

// Lists all sheets, or only the one named (exactly, else without regard to case). False when
// no sheet has that name. The text of each cell is what the cell reader gives, "$" kept.
bool ListCells(const Workbook& workbook, const std::optional<std::string>& sheetName,
               std::FILE* out);

}  // namespace velloway::workbook
