#include "workbook/CellListing.h"

#include <strings.h>

#include "workbook/CellText.h"
#include "workbook/OoxmlText.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {
namespace {

// Each stored cell's text as the import sees it, read straight from the cell rather than
// looked up again by its place.
void ListSheet(const Worksheet& sheet, std::FILE* out) {
  std::string line;
  for (const StoredCell& cell : sheet.Cells()) {
    std::string text;
    try {
      text = CellText(sheet.ValueOf(cell), sheet.Owner().Format());
    } catch (...) {
      continue;  // a cell that cannot be read reads as empty, as for the import
    }
    if (text.empty()) continue;
    line.assign(sheet.Name()).append("!").append(ColumnLetters(cell.column));
    line.append(std::to_string(cell.row)).append("\t").append(ReplaceLineFeeds(text));
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), out);
  }
}

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
    ListSheet(*sheet, out);
    return true;
  }
  for (const Worksheet& sheet : workbook.Sheets()) ListSheet(sheet, out);
  return true;
}

}  // namespace velloway::workbook
