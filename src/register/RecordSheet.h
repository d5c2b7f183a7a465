// How a sheet of records is read: the header row is the first row from row 2 down whose key
// cell is not empty; data follow it; up to two consecutive rows with an empty key are skipped and
// the third ends the data.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace velloway {

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

}  // namespace velloway
