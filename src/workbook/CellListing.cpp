#include "workbook/CellListing.h"

#include <strings.h>

#include "workbook/CellText.h"
#include "workbook/OoxmlText.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {
namespace {

void ListSheet(const Worksheet& sheet, std::FILE* out) {
  for (const StoredCell& cell : sheet.Cells()) {
    const std::string text = workbook::GetCellText(&sheet, static_cast<std::int32_t>(cell.row),
                                                   static_cast<std::int32_t>(cell.column), false);
    if (text.empty()) continue;
    const std::string line = sheet.Name() + "!" + ColumnLetters(cell.column) +
                             std::to_string(cell.row) + "\t" + text + "\n";
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
