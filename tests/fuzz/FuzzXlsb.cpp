// Fuzzes the binary workbook reader. An input starting with "PK" is a whole package; anything
// else is split at "\n--\n" into the sheet, shared-string, styles and workbook record streams,
// packed around a fixed set of relationships.
#include <cstdint>
#include <string>

#include "FuzzPackage.h"
#include "support/XlsbBuilder.h"

namespace {

// A workbook stream of one sheet record naming sheet "S" of relationship "rId1".
std::string DefaultWorkbook() {
  velloway::test::Bytes sheet;
  velloway::test::XlsbString(sheet.U32(0).U32(1), u"rId1");
  return velloway::test::XlsbRecord(156, velloway::test::XlsbString(sheet, u"S"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velloway::fuzz::ReadPackageInput(std::span(data, size), "bin", DefaultWorkbook());
  return 0;
}
