// How a sheet of records is read: the header row is the first row from row 2 down whose key
// cell is not empty; data follow it; up to two consecutive rows with an empty key are skipped and
// the third ends the data.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace velloway {

struct LibraryState;
namespace workbook {
class Worksheet;
}

// The header row, or 0 when no row has a key: the search ends at the sheet's last used row, so a
// sheet without any key yields no records.
std::int32_t FindHeaderRow(const workbook::Worksheet* sheet, std::int32_t keyColumn);

// Calls onRow with each data row below the header row and its key text, in row order.
void ForEachDataRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                    std::int32_t headerRow,
                    const std::function<void(std::int32_t row, std::string key)>& onRow);

// A loader's whole run over its record sheet: every data row goes to readRow, and the step is
// reported with completeText when the sheet is read to its end or missing. False, without the
// step, when a row fails; the header search itself is not trapped.
bool LoadRecordSheet(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t keyColumn,
                     const std::function<void(std::int32_t row, std::string key)>& readRow,
                     const char* completeText);

}  // namespace velloway
