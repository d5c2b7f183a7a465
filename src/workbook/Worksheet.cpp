#include "workbook/Worksheet.h"

#include <algorithm>
#include <bit>

#include "workbook/OoxmlText.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {
namespace {

bool Before(const StoredCell& a, const StoredCell& b) {
  return a.row < b.row || (a.row == b.row && a.column < b.column);
}

}  // namespace

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
      value.poolIndex = static_cast<std::uint32_t>(cell.payload);
      value.text = owner_->Strings().At(value.poolIndex);
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

std::size_t Worksheet::LowerBound(std::size_t low, std::size_t high, std::uint32_t row,
                                  std::uint16_t column) const {
  // The first cell not before (row, column), by halving.
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const StoredCell& cell = cells_[mid];
    if (cell.row < row || (cell.row == row && cell.column < column)) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return low;
}

CellValue Worksheet::Cell(std::int64_t row, std::int64_t column) const {
  if (row < 1 || column < 1 || row > kMaxRows || column > kMaxColumns) return {};
  const auto r = static_cast<std::uint32_t>(row);
  const auto c = static_cast<std::uint16_t>(column);
  std::size_t low = 0;
  std::size_t high = cells_.size();
  if (!rowStarts_.empty()) {
    if (r + 1 >= rowStarts_.size()) return {};
    low = rowStarts_[r];
    high = rowStarts_[r + 1];
  }
  // Rows are mostly filled from their first cell on: the cell is then where its column says.
  if (low < high) {
    const std::size_t guess = low + (c - std::min(c, cells_[low].column));
    if (guess < high && cells_[guess].column == c && cells_[guess].row == r) {
      return ValueOf(cells_[guess]);
    }
  }
  low = LowerBound(low, high, r, c);
  if (low == high || cells_[low].row != r || cells_[low].column != c) return {};
  return ValueOf(cells_[low]);
}

void Worksheet::Seal() {
  bool ordered = true;
  for (std::size_t i = 1; i < cells_.size() && ordered; ++i) {
    ordered = Before(cells_[i - 1], cells_[i]);
  }
  if (!ordered) Sort();
  IndexRows();
}

void Worksheet::IndexRows() {
  rowStarts_.clear();
  if (cells_.empty()) return;
  rowStarts_.reserve(cells_.back().row + std::size_t{2});
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    while (rowStarts_.size() <= cells_[i].row) rowStarts_.push_back(static_cast<std::uint32_t>(i));
  }
  rowStarts_.push_back(static_cast<std::uint32_t>(cells_.size()));
}

void Worksheet::Sort() {
  // Only the record-based format may store cells out of order, or one place twice; of two
  // cells at one place the later one counts.
  std::vector<StoredCell> all(cells_.begin(), cells_.end());
  std::stable_sort(all.begin(), all.end(), Before);
  cells_.clear();
  for (const StoredCell& cell : all) {
    if (!cells_.empty() && !Before(cells_.back(), cell)) {
      cells_.back() = cell;
    } else {
      cells_.push_back(cell);
    }
  }
}

}  // namespace velloway::workbook
