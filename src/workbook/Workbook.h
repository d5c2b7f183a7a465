// An open workbook: its worksheets in workbook order and the texts they share. Every file
// format is read into this one model, so everything above the readers sees one kind of
// workbook.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "workbook/StringPool.h"
#include "workbook/ValueText.h"
#include "workbook/Worksheet.h"

namespace velloway::workbook {

// How values become text: the decimal separator and the date and time patterns in force.
struct TextFormat {
  std::string decimalSeparator = ".";
  DateTimeFormats dates;
};

class Workbook {
 public:
  Workbook() = default;
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  std::span<const Worksheet> Sheets() const { return sheets_; }
  const Worksheet* FindSheet(const std::string& name) const;

  const StringPool& Strings() const { return strings_; }
  const TextFormat& Format() const { return format_; }
  void SetFormat(TextFormat format) { format_ = std::move(format); }

  // Frees the cells of one of this workbook's sheets, once nothing will read them again; the
  // sheet stays, empty. Its texts stay too: records may still hold views of them.
  void ReleaseCells(const Worksheet* sheet);

  // Building.
  StringPool& MutableStrings() { return strings_; }
  Worksheet& AddSheet(std::string name) { return sheets_.emplace_back(std::move(name), *this); }
  std::span<Worksheet> MutableSheets() { return sheets_; }

 private:
  std::vector<Worksheet> sheets_;
  StringPool strings_;
  TextFormat format_;
};

// Makes the readers' libraries ready; false when that fails.
bool StartReaders() noexcept;

// Opens a workbook file of any format read here, told apart by its content, not its name.
// Throws WorkbookError when it cannot be opened.
std::unique_ptr<Workbook> OpenWorkbook(const std::string& path);
// The same for a workbook already in memory (the bytes must outlive the call only).
std::unique_ptr<Workbook> OpenWorkbookBytes(std::span<const unsigned char> bytes);

}  // namespace velloway::workbook
