// How the older templates' steps read their record sheets, on the walk both roads share.
#pragma once

#include <cstdint>
#include <string>

#include "core/RecordSheetWalk.h"
#include "workbook/CellText.h"

namespace velloway {
struct LibraryState;
namespace workbook {
class Worksheet;
}
}  // namespace velloway

namespace velloway::registerxml {

// The data rows of a record sheet, as the count found them.
struct RecordRows {
  std::int32_t firstDataRow = 0;  // the row below the header
  // The last row with a key before the three empty ones. The rows are read up to here, so a
  // header below row 2 loses no row with a key.
  std::int32_t lastKeyRow = 0;
  std::int32_t keyCount = 0;  // rows with a key, for the progress bar
};

// The header row for the steps that fail when there is none: throws ImportError, as a read
// beyond the end of the sheet does.
std::int32_t HeaderRowOrThrow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                              KeyTest test);

// Counts the keys below the header through the cell reader, up to three empty key cells in a row.
RecordRows CountRecordRows(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                           std::int32_t headerRow);

// A cell as a number under the locale in force: empty gives 0; throws ConversionError.
double CellNumber(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                  std::int32_t column);
// A cell as a flag: empty gives emptyValue; true, false or a number; throws ConversionError.
bool CellFlag(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
              std::int32_t column, bool emptyValue);

// Column A of the quantitative sheets carries down: an empty cell takes the last text above it.
std::string CarryDown(std::string& carried, const std::string& text);

}  // namespace velloway::registerxml
