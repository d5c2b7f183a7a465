// Fuzzes the OpenDocument spreadsheet reader. An input starting with "PK" is a whole package;
// anything else is the content part of one.
#include <cstdint>
#include <string>

#include "FuzzPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  if (content.substr(0, 2) == "PK") {
    velloway::fuzz::ReadEveryCell(std::span(data, size));
    return 0;
  }
  static const std::string type = "application/vnd.oasis.opendocument.spreadsheet";
  velloway::fuzz::ReadEveryCell(
      velloway::fuzz::StoredZip({{"mimetype", &type}, {"content.xml", &content}}));
  return 0;
}
