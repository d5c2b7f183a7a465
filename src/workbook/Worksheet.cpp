#include "workbook/Worksheet.h"

#include <algorithm>
#include <bit>

#include "workbook/OoxmlText.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {

StoredCell NumberCell(std::uint32_t row, std::uint16_t column, double value, CellKind kind) {
  return StoredCell{row, column, kind, false, std::bit_cast<std::uint64_t>(value)};
}

StoredCell TextCell(std::uint32_t row, std::uint16_t column, std::uint32_t poolIndex) {
  return StoredCell{row, column, CellKind::Text, false, poolIndex};
}

StoredCell FlagCell(std::uint32_t row, std::uint16_t column, CellKind kind, bool value) {
  return StoredCell{row, column, kind, value, 0};
}

CellValue Worksheet::ValueOf(const StoredCell& cell) const {
  CellValue value;
  value.kind = cell.kind;
  switch (cell.kind) {
    case CellKind::Number:
    case CellKind::DateTime:
      value.number = std::bit_cast<double>(cell.payload);
      value.currency = cell.kind == CellKind::Number && cell.boolean;
      break;
    case CellKind::Text:
      value.text = owner_->Strings().At(static_cast<std::uint32_t>(cell.payload));
      break;
    case CellKind::Boolean:
      value.boolean = cell.boolean;
      break;
    case CellKind::Empty:
    case CellKind::Error:
      break;
  }
  return value;
}

std::string Worksheet::LastReadCell() const {
  if (lastReadRow_ < 1 || lastReadColumn_ < 1) return {};
  return ColumnLetters(static_cast<std::uint32_t>(lastReadColumn_)) + std::to_string(lastReadRow_);
}

CellValue Worksheet::Cell(std::int64_t row, std::int64_t column) const {
  if (row < 1 || column < 1 || row > kMaxRows || column > kMaxColumns) return {};
  const auto r = static_cast<std::uint32_t>(row);
  const auto c = static_cast<std::uint16_t>(column);
  // The first cell not before (row, column), by halving.
  std::size_t low = 0;
  std::size_t high = cells_.size();
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const StoredCell& cell = cells_[mid];
    if (cell.row < r || (cell.row == r && cell.column < c)) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  if (low == cells_.size() || cells_[low].row != r || cells_[low].column != c) return {};
  return ValueOf(cells_[low]);
}

void Worksheet::Seal() {
  auto before = [](const StoredCell& a, const StoredCell& b) {
    return a.row < b.row || (a.row == b.row && a.column < b.column);
  };
  bool ordered = true;
  for (std::size_t i = 1; i < cells_.size() && ordered; ++i) {
    ordered = before(cells_[i - 1], cells_[i]);
  }
  if (ordered) return;
  // Only the record-based format may store cells out of order, or one place twice; of two
  // cells at one place the later one counts.
  std::vector<StoredCell> all(cells_.begin(), cells_.end());
  std::stable_sort(all.begin(), all.end(), before);
  cells_.clear();
  for (const StoredCell& cell : all) {
    if (!cells_.empty() && !before(cells_.back(), cell)) {
      cells_.back() = cell;
    } else {
      cells_.push_back(cell);
    }
  }
}

}  // namespace velloway::workbook
