// One worksheet part read into the worksheet's compact cell store.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "workbook/DateSystem.h"
#include "workbook/NumberFormat.h"
#include "workbook/StringPool.h"

namespace velloway::workbook {

class Worksheet;
class ZipPackage;

struct SheetContext {
  const std::vector<NumberKind>& numberStyles;  // per cell format: how numbers read
  DateSystem dates = DateSystem::From1900;
};

// A sheet is read while the shared strings may still be read beside it, so what depends on
// them waits: the texts of the sheet's own cells (inline strings, formula results) are kept
// apart, and its shared-string indexes are checked later.
struct SheetTexts {
  StringPool own;
  std::uint64_t sharedEnd = 0;  // one past the highest shared-string index its cells use
};

// Throws WorkbookError for a damaged part: not well-formed, a cell reference outside the
// largest sheet, rows or cells that do not ascend. A single value that cannot be read (a
// number that is no number) makes that cell an error.
void ReadSheet(ZipPackage& package, const std::string& partName, const SheetContext& context,
               Worksheet& sheet, SheetTexts& texts);

// Once the shared strings are read: moves the sheet's own texts into the workbook's pool after
// those of the sheets before it, and makes a cell whose shared-string index is out of range
// an error, so the sheet reads as if everything had been read in order.
void SettleSheetTexts(Worksheet& sheet, SheetTexts& texts, StringPool& pool,
                      std::size_t sharedCount);

}  // namespace velloway::workbook
