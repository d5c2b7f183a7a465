// Fuzzes the .xlsx reader. An input starting with "PK" is a whole package; anything else is
// split at "\n--\n" into a sheet part, a shared-string part, a styles part and a workbook part,
// packed uncompressed around a fixed set of relationships, so that mutations reach the XML
// handlers instead of dying at the zip checksums.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "workbook/CellText.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<unsigned char> bytes;
  if (input.substr(0, 2) == "PK") {
    bytes.assign(data, data + size);
  } else {
    bytes = velloway::fuzz::Package(velloway::fuzz::Split(input));
  }
  try {
    const auto book = velloway::workbook::OpenWorkbookBytes(bytes);
    std::size_t total = 0;
    for (const auto& sheet : book->Sheets()) {
      for (const auto& cell : sheet.Cells()) {
        total += velloway::workbook::CellText(sheet.ValueOf(cell), book->Format()).size();
      }
    }
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
  } catch (const velloway::workbook::WorkbookError&) {
    return 0;
  }
}
