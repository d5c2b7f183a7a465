// Fuzzes the .xlsx reader. An input starting with "PK" is a whole package; anything else is
// split at "\n--\n" into a sheet part, a shared-string part, a styles part and a workbook part,
// packed around a fixed set of relationships.
#include <cstdint>
#include <string>

#include "FuzzPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.substr(0, 2) == "PK") {
    velloway::fuzz::ReadEveryCell(std::span(data, size));
    return 0;
  }
  auto parts = velloway::fuzz::SplitInput(input, 4);
  if (parts[3].empty()) parts[3] = velloway::fuzz::OneSheetWorkbookPart("S");
  velloway::fuzz::ReadEveryCell(velloway::fuzz::WorkbookPackage("xml", parts));
  return 0;
}
