// One worksheet part read into the worksheet's compact cell store.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "workbook/DateSystem.h"

namespace velloway::workbook {

class StringPool;
class Worksheet;
class ZipPackage;

struct SheetContext {
  StringPool& pool;                     // holds the shared strings first, then inline texts
  std::size_t sharedCount = 0;          // shared strings at the start of the pool
  const std::vector<bool>& dateStyles;  // per cell format: numbers are dates or times
  DateSystem dates = DateSystem::From1900;
};

// Throws WorkbookError for a damaged part: not well-formed, a cell reference outside the
// largest sheet, rows or cells that do not ascend. A single value that cannot be read (a
// shared-string index out of range, a number that is no number) makes that cell an error.
void ReadSheet(ZipPackage& package, const std::string& partName, const SheetContext& context,
               Worksheet& sheet);

}  // namespace velloway::workbook
