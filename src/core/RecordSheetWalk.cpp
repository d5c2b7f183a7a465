#include "core/RecordSheetWalk.h"

#include "workbook/CellText.h"
#include "workbook/Worksheet.h"

namespace velloway {
namespace {

constexpr std::int32_t kFirstHeaderRow = 2;
constexpr int kBlankRowsEndingData = 3;

bool IsKey(const workbook::Worksheet& sheet, std::int32_t row, std::int32_t column, KeyTest test) {
  if (test == KeyTest::CellText) return !workbook::GetCellText(&sheet, row, column).empty();
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

void ForEachRecordRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                      std::int32_t headerRow,
                      const std::function<void(std::int32_t row, std::string key)>& onRow) {
  int blanks = 0;
  for (std::int32_t row = headerRow + 1; blanks < kBlankRowsEndingData; ++row) {
    std::string key = workbook::GetCellText(sheet, row, keyColumn);
    if (key.empty()) {
      ++blanks;
      continue;
    }
    blanks = 0;
    onRow(row, std::move(key));
  }
}

}  // namespace velloway
