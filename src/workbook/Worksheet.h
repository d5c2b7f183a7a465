// One worksheet's cells, kept sorted by row and column in sixteen bytes each; texts are
// indexes into the workbook's string pool.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "workbook/CellStore.h"
#include "workbook/CellValue.h"

namespace velloway::workbook {

class Workbook;

// Largest sheet the readers accept: the bounds of the newest file format.
inline constexpr std::uint32_t kMaxRows = 1048576;
inline constexpr std::uint32_t kMaxColumns = 16384;

struct StoredCell {
  std::uint32_t row = 0;     // 1-based
  std::uint16_t column = 0;  // 1-based
  CellKind kind = CellKind::Empty;
  // Boolean: the value; Number: a currency amount; Text, only while its sheet is read: the
  // index is one of the sheet's own texts rather than the workbook's.
  bool boolean = false;
  // Number and DateTime: the value's bits. Text: the string pool index.
  std::uint64_t payload = 0;
};

class Worksheet {
 public:
  Worksheet(std::string name, const Workbook& owner) : name_(std::move(name)), owner_(&owner) {}

  const std::string& Name() const { return name_; }
  const Workbook& Owner() const { return *owner_; }

  // The value at a 1-based row and column; Empty outside the sheet.
  CellValue Cell(std::int64_t row, std::int64_t column) const;

  // Every stored cell in row order, then column order.
  const BlockStore<StoredCell>& Cells() const { return cells_; }
  CellValue ValueOf(const StoredCell& cell) const;

  // Building. Cells appended in ascending order need no sorting; Seal() sorts otherwise,
  // keeping the last of two cells at one place, and indexes the rows.
  void Append(const StoredCell& cell) {
    cells_.push_back(cell);
    rowStarts_.clear();
  }
  void Seal();
  BlockStore<StoredCell>& MutableCells() { return cells_; }
  void ReleaseCells() {
    cells_.clear();
    rowStarts_ = {};
  }

  // The import's cell reader notes each cell it reads, so that a failure can name the cell it
  // failed on ("H7"; empty before any read). Reading stays const: this is no part of the data.
  void NoteRead(std::int32_t row, std::int32_t column) const {
    lastReadRow_ = row;
    lastReadColumn_ = column;
  }
  std::string LastReadCell() const;

 private:
  std::size_t LowerBound(std::size_t low, std::size_t high, std::uint32_t row,
                         std::uint16_t column) const;
  void Sort();
  void IndexRows();

  std::string name_;
  const Workbook* owner_;
  BlockStore<StoredCell> cells_;
  // Once sealed: the index of each row's first cell, for rows 0 to the last row + 1, so that a
  // lookup searches one row's cells only.
  std::vector<std::uint32_t> rowStarts_;
  mutable std::int32_t lastReadRow_ = 0;
  mutable std::int32_t lastReadColumn_ = 0;
};

StoredCell NumberCell(std::uint32_t row, std::uint16_t column, double value, CellKind kind);
StoredCell TextCell(std::uint32_t row, std::uint16_t column, std::uint32_t poolIndex);
StoredCell FlagCell(std::uint32_t row, std::uint16_t column, CellKind kind, bool value);

}  // namespace velloway::workbook
