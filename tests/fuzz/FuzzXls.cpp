// Fuzzes the .xls reader. An input with the compound file signature goes through libgsf;
// anything else is taken as a bare workbook stream, so that mutations reach the record parser.
#include <cstdint>
#include <cstring>
#include <span>

#include "FuzzPackage.h"
#include "workbook/Workbook.h"
#include "workbook/XlsReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const unsigned char kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  const std::span<const std::uint8_t> bytes(data, size);
  velloway::fuzz::ReadEveryCell([bytes] {
    if (bytes.size() >= sizeof kSignature &&
        std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0) {
      return velloway::workbook::OpenWorkbookBytes(bytes);
    }
    auto book = std::make_unique<velloway::workbook::Workbook>();
    velloway::workbook::ReadBiffStream(bytes, *book);
    return book;
  });
  return 0;
}
