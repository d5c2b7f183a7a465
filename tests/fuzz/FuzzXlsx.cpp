// Fuzzes the .xlsx reader. An input starting with "PK" is a whole package; anything else is
// split at "\n--\n" into a sheet part, a shared-string part, a styles part and a workbook part,
// packed around a fixed set of relationships.
#include <cstdint>
#include <string>

#include "FuzzPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velloway::fuzz::ReadPackageInput(std::span(data, size), "xml",
                                   velloway::fuzz::OneSheetWorkbookPart("S"));
  return 0;
}
