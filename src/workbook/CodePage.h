// The 8-bit texts of older workbooks, in the code page the workbook names, turned into UTF-8
// with ICU's converters.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct UConverter;

namespace velloway::workbook {

class CodePage {
 public:
  // A Windows code page number as a workbook stores it (1252, 932, 10000 for Mac Roman...).
  // A number that no converter stands for reads as Windows-1252, the format's default.
  explicit CodePage(std::uint16_t id = 1252);

  std::string ToUtf8(std::span<const std::uint8_t> bytes) const;

 private:
  struct Closer {
    void operator()(UConverter* converter) const noexcept;
  };
  std::unique_ptr<UConverter, Closer> converter_;
};

}  // namespace velloway::workbook
