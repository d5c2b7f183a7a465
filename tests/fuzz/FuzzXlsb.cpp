// Fuzzes the binary workbook reader. An input starting with "PK" is a whole package; anything
// else is split at "\n--\n" into the sheet, shared-string, styles and workbook record streams,
// packed around a fixed set of relationships.
#include <cstdint>
#include <string>

#include "FuzzPackage.h"

namespace {

void U32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void Wide(std::string& out, const std::string& ascii) {
  U32(out, static_cast<std::uint32_t>(ascii.size()));
  for (const char c : ascii) out += {c, '\0'};
}

// A workbook stream of one sheet record (type 156) naming sheet "S" of relationship "rId1".
std::string DefaultWorkbook() {
  std::string body;
  U32(body, 0);
  U32(body, 1);
  Wide(body, "rId1");
  Wide(body, "S");
  return std::string{'\x9C', '\x01', static_cast<char>(body.size())} + body;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.substr(0, 2) == "PK") {
    velloway::fuzz::ReadEveryCell(std::span(data, size));
    return 0;
  }
  auto parts = velloway::fuzz::SplitInput(input, 4);
  if (parts[3].empty()) parts[3] = DefaultWorkbook();
  velloway::fuzz::ReadEveryCell(velloway::fuzz::WorkbookPackage("bin", parts));
  return 0;
}
