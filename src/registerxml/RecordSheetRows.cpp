#include "registerxml/RecordSheetRows.h"

#include "core/ImportError.h"
#include "core/modToolBox.h"
#include "workbook/Worksheet.h"

namespace velloway::registerxml {

std::int32_t HeaderRowOrThrow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                              KeyTest test) {
  if (const auto header = FindHeaderRow(sheet, keyColumn, test)) return *header;
  if (sheet == nullptr) throw ImportError("the sheet is missing");
  throw ImportError("no header row: the key column is empty to the end of the sheet",
                    sheet->Name());
}

RecordRows CountRecordRows(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                           std::int32_t headerRow) {
  RecordRows rows;
  rows.firstDataRow = headerRow + 1;
  rows.lastKeyRow = headerRow;
  ForEachRecordRow(sheet, keyColumn, headerRow, [&rows](std::int32_t row, const std::string&) {
    ++rows.keyCount;
    rows.lastKeyRow = row;
  });
  return rows;
}

double CellNumber(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                  std::int32_t column) {
  return modToolBox::TextToNumber(state, workbook::GetCellText(sheet, row, column));
}

bool CellFlag(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
              std::int32_t column, bool emptyValue) {
  const std::string text = workbook::GetCellText(sheet, row, column);
  return text.empty() ? emptyValue : modToolBox::TextToFlag(state, text);
}

std::string CarryDown(std::string& carried, const std::string& text) {
  if (!text.empty()) carried = text;
  return carried;
}

}  // namespace velloway::registerxml
