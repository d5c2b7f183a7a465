// Fuzzes the OpenDocument spreadsheet reader. An input starting with "PK" is a whole package;
// anything else is the content part of one.
#include <cstdint>
#include <string>

#include "FuzzPackage.h"
#include "support/PackageBuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  if (content.substr(0, 2) == "PK") {
    velloway::fuzz::ReadEveryCell(std::span(data, size));
    return 0;
  }
  velloway::fuzz::ReadEveryCell(velloway::test::Zip(
      {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", content}},
      true));
  return 0;
}
