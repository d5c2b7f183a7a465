#include "workbook/Worksheet.h"

#include <algorithm>
#include <bit>

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

CellValue Worksheet::Cell(std::int64_t row, std::int64_t column) const {
  if (row < 1 || column < 1 || row > kMaxRows || column > kMaxColumns) return {};
  const auto r = static_cast<std::uint32_t>(row);
  const auto c = static_cast<std::uint16_t>(column);
  const auto it = std::lower_bound(
      cells_.begin(), cells_.end(), std::pair{r, c},
      [](const StoredCell& cell, const std::pair<std::uint32_t, std::uint16_t>& at) {
        return cell.row < at.first || (cell.row == at.first && cell.column < at.second);
      });
  if (it == cells_.end() || it->row != r || it->column != c) return {};
  return ValueOf(*it);
}

void Worksheet::Seal() {
  auto before = [](const StoredCell& a, const StoredCell& b) {
    return a.row < b.row || (a.row == b.row && a.column < b.column);
  };
  if (!std::is_sorted(cells_.begin(), cells_.end(), before)) {
    std::stable_sort(cells_.begin(), cells_.end(), before);
  }
  // Of two cells at one place the later one counts, as when a file writes a cell twice.
  auto same = [](const StoredCell& a, const StoredCell& b) {
    return a.row == b.row && a.column == b.column;
  };
  std::vector<StoredCell> unique;
  if (std::adjacent_find(cells_.begin(), cells_.end(), same) != cells_.end()) {
    unique.reserve(cells_.size());
    for (const StoredCell& cell : cells_) {
      if (!unique.empty() && same(unique.back(), cell)) {
        unique.back() = cell;
      } else {
        unique.push_back(cell);
      }
    }
    cells_ = std::move(unique);
  }
  cells_.shrink_to_fit();
}

}  // namespace velloway::workbook
