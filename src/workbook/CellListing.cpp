#include "workbook/CellListing.h"

#include <strings.h>

#include <charconv>
#include <string_view>

#include "workbook/CellText.h"
#include "workbook/OoxmlText.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {
namespace {

// Lines are gathered in one buffer and written out in large pieces.
class Listing {
 public:
  explicit Listing(std::FILE* out) : out_(out) { buffer_.reserve(kFlushAt + 4096); }
  Listing(const Listing&) = delete;
  Listing& operator=(const Listing&) = delete;
  ~Listing() { Flush(); }

  // Each stored cell's text as the import sees it, read straight from the cell rather than
  // looked up again by its place; a text cell's text goes from the pool with no copy between.
  void Sheet(const Worksheet& sheet) {
    std::string converted;
    for (const StoredCell& cell : sheet.Cells()) {
      const CellValue value = sheet.ValueOf(cell);
      std::string_view text = value.text;
      if (value.kind != CellKind::Text) {
        try {
          converted = CellText(value, sheet.Owner().Format());
        } catch (...) {
          continue;  // a cell that cannot be read reads as empty, as for the import
        }
        text = converted;
      }
      if (text.empty()) continue;
      Line(sheet.Name(), cell, text);
    }
  }

 private:
  static constexpr std::size_t kFlushAt = std::size_t{1} << 20;

  void Line(const std::string& sheetName, const StoredCell& cell, std::string_view text) {
    buffer_.append(sheetName).append("!").append(ColumnLetters(cell.column));
    char row[16];
    buffer_.append(row, std::to_chars(row, row + sizeof row, cell.row).ptr);
    buffer_.push_back('\t');
    AppendReplacingLineFeeds(text, buffer_);  // line feeds as the import writes them
    buffer_.push_back('\n');
    if (buffer_.size() >= kFlushAt) Flush();
  }

  void Flush() {
    std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    buffer_.clear();
  }

  std::FILE* out_;
  std::string buffer_;
};

const Worksheet* Named(const Workbook& workbook, const std::string& name) {
  if (const Worksheet* exact = workbook.FindSheet(name)) return exact;
  for (const Worksheet& sheet : workbook.Sheets()) {
    if (::strcasecmp(sheet.Name().c_str(), name.c_str()) == 0) return &sheet;
  }
  return nullptr;
}

}  // namespace

bool ListCells(const Workbook& workbook, const std::optional<std::string>& sheetName,
               std::FILE* out) {
  if (sheetName) {
    const Worksheet* sheet = Named(workbook, *sheetName);
    if (sheet == nullptr) return false;
    Listing(out).Sheet(*sheet);
    return true;
  }
  Listing listing(out);
  for (const Worksheet& sheet : workbook.Sheets()) listing.Sheet(sheet);
  return true;
}

}  // namespace velloway::workbook
