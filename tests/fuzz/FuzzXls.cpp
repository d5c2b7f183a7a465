// Fuzzes the .xls reader. An input with the compound file signature goes through libgsf;
// anything else is taken as a bare workbook stream, so that mutations reach the record parser.
#include <cstdint>
#include <cstring>
#include <span>

#include "workbook/CellText.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const unsigned char kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  try {
    std::unique_ptr<velloway::workbook::Workbook> book;
    if (size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0) {
      book = velloway::workbook::OpenWorkbookBytes(std::span(data, size));
    } else {
      book = std::make_unique<velloway::workbook::Workbook>();
      velloway::workbook::ReadBiffStream(std::span(data, size), *book);
    }
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
