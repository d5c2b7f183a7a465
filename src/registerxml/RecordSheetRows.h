// How the record sheets of an older template are walked: the header is the first row from row 2
// down with a key, the data follow it, and three empty key cells in a row end the data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velloway {
struct LibraryState;
namespace workbook {
class Worksheet;
}
}  // namespace velloway

namespace velloway::registerxml {

// What makes a key cell count when the header is searched.
enum class KeyTest {
  CellText,    // the cell reader gives a non-empty text (a number counts)
  StoredText,  // the cell holds a text value (a number does not count)
};

// The data rows of a record sheet, as the count found them.
struct RecordRows {
  std::int32_t firstDataRow = 0;  // the row below the header
  // The last row with a key before the three empty ones. The rows are read up to here, so a
  // header below row 2 loses no row with a key.
  std::int32_t lastKeyRow = 0;
  std::int32_t keyCount = 0;  // rows with a key, for the progress bar
};

// The header row. No row below the sheet's last used one holds a key, so the search ends there:
// none for a missing sheet or a sheet without a key.
std::optional<std::int32_t> FindHeaderRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                                          KeyTest test);
// The same for the steps that fail when there is no header: throws ImportError, as a read
// beyond the end of the sheet does.
std::int32_t HeaderRowOrThrow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                              KeyTest test);

// Counts the keys below the header through the cell reader, up to three empty key cells in a row.
RecordRows CountRecordRows(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                           std::int32_t headerRow);

// A cell as text, "$" kept, line feeds as "<CRLF>".
std::string CellText(const workbook::Worksheet* sheet, std::int32_t row, std::int32_t column);
// A cell as a number under the locale in force: empty gives 0; throws ConversionError.
double CellNumber(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                  std::int32_t column);
// A cell as a flag: empty gives emptyValue; true, false or a number; throws ConversionError.
bool CellFlag(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
              std::int32_t column, bool emptyValue);

// Column A of the quantitative sheets carries down: an empty cell takes the last text above it.
std::string CarryDown(std::string& carried, const std::string& text);

}  // namespace velloway::registerxml
