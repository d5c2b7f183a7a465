#include "registerxml/RecordSheetRows.h"

#include "control/WorkbookConnection.h"
#include "core/ImportError.h"
#include "core/modToolBox.h"
#include "workbook/Worksheet.h"

namespace velloway::registerxml {
namespace {

constexpr std::int32_t kFirstHeaderRow = 2;
constexpr std::int32_t kBlankRowsThatEndData = 3;

bool IsKey(const workbook::Worksheet& sheet, std::int32_t row, std::int32_t column, KeyTest test) {
  if (test == KeyTest::CellText) return !GetCellText(&sheet, row, column, false).empty();
  const workbook::CellValue value = sheet.Cell(row, column);
  return value.kind == workbook::CellKind::Text && !value.text.empty();
}

}  // namespace

std::optional<std::int32_t> FindHeaderRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                                          KeyTest test) {
  if (sheet == nullptr || sheet->Cells().empty()) return std::nullopt;
  const auto lastUsedRow = static_cast<std::int32_t>(sheet->Cells().back().row);
  for (std::int32_t row = kFirstHeaderRow; row <= lastUsedRow; ++row) {
    if (IsKey(*sheet, row, keyColumn, test)) return row;
  }
  return std::nullopt;
}

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
  std::int32_t blankRun = 0;
  for (std::int32_t row = rows.firstDataRow; blankRun < kBlankRowsThatEndData; ++row) {
    if (CellText(sheet, row, keyColumn).empty()) {
      ++blankRun;
      continue;
    }
    blankRun = 0;
    ++rows.keyCount;
    rows.lastKeyRow = row;
  }
  return rows;
}

std::string CellText(const workbook::Worksheet* sheet, std::int32_t row, std::int32_t column) {
  return GetCellText(sheet, row, column, false);
}

double CellNumber(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                  std::int32_t column) {
  return modToolBox::TextToNumber(state, CellText(sheet, row, column));
}

bool CellFlag(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
              std::int32_t column, bool emptyValue) {
  const std::string text = CellText(sheet, row, column);
  return text.empty() ? emptyValue : modToolBox::TextToFlag(state, text);
}

std::string CarryDown(std::string& carried, const std::string& text) {
  if (!text.empty()) carried = text;
  return carried;
}

}  // namespace velloway::registerxml
