// How both roads walk a sheet of records: the header row is the first row from row 2 down whose
// key cell counts as a key; the data follow it, rows with an empty key are passed over, and the
// third empty key cell in a row ends the data.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace velloway {

namespace workbook {
class Worksheet;
}

// What makes a key cell count when the header is searched.
enum class KeyTest {
  CellText,    // the cell reader gives a non-empty text (a number counts)
  StoredText,  // the cell holds a text value (a number does not count)
};

// The header row. No row below the sheet's last used one holds a key, so the search ends there:
// none for a missing sheet or a sheet without a key.
std::optional<std::int32_t> FindHeaderRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                                          KeyTest test = KeyTest::CellText);

// Calls onRow with each row below headerRow that has a key (by the cell reader), with the key
// text, in row order, up to the third empty key cell in a row.
void ForEachRecordRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                      std::int32_t headerRow,
                      const std::function<void(std::int32_t row, std::string key)>& onRow);

}  // namespace velloway
