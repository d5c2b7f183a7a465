#include "register/RecordSheet.h"

#include "core/Findings.h"
#include "register/CellValues.h"
#include "register/RegisterStore.h"
#include "workbook/Worksheet.h"

namespace velloway {
namespace {

constexpr int kBlankRowsEndingData = 3;

std::int32_t LastUsedRow(const workbook::Worksheet* sheet) {
  const auto& cells = sheet->Cells();
  return cells.empty() ? 0 : static_cast<std::int32_t>(cells.back().row);
}

}  // namespace

std::int32_t FindHeaderRow(const workbook::Worksheet* sheet, std::int32_t keyColumn) {
  const std::int32_t last = LastUsedRow(sheet);
  for (std::int32_t row = 2; row <= last; ++row) {
    if (!CellText(sheet, row, keyColumn).empty()) return row;
  }
  return 0;
}

void ForEachDataRow(const workbook::Worksheet* sheet, std::int32_t keyColumn,
                    std::int32_t headerRow,
                    const std::function<void(std::int32_t row, std::string key)>& onRow) {
  std::int32_t row = headerRow;
  if (row == 0) return;
  int blanks = 0;
  while (true) {
    ++row;
    if (blanks >= kBlankRowsEndingData) break;
    std::string key = CellText(sheet, row, keyColumn);
    if (key.empty()) {
      ++blanks;
      continue;
    }
    blanks = 0;
    onRow(row, std::move(key));
  }
}

bool LoadRecordSheet(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t keyColumn,
                     const std::function<void(std::int32_t row, std::string key)>& readRow,
                     const char* completeText) {
  if (sheet != nullptr) {
    const std::int32_t header = FindHeaderRow(sheet, keyColumn);
    std::int32_t first = 0;
    std::int32_t last = 0;
    std::int32_t count = 0;
    try {
      ForEachDataRow(sheet, keyColumn, header, [&](std::int32_t row, std::string key) {
        if (count++ == 0) first = row;
        last = row;
        readRow(row, std::move(key));
      });
    } catch (const std::exception& e) {
      ReportProblem(state, sheet, e);
      return false;
    } catch (...) {
      return false;
    }
    ReportRecords(state, sheet, header, first, last, count);
  }
  ReportStep(state, completeText);
  return true;
}

}  // namespace velloway
