// What a cell holds, as the automation layer hands it out: one of six kinds of value.
#pragma once

#include <cstdint>
#include <string_view>

namespace velloway::workbook {

enum class CellKind : std::uint8_t { Empty, Number, Text, DateTime, Boolean, Error };

struct CellValue {
  CellKind kind = CellKind::Empty;
  // Number: the value. DateTime: the day serial counted from 30 December 1899, whatever the
  // workbook's own date system, so that one conversion to text serves every workbook.
  double number = 0;
  // Text: the characters in UTF-8; they live as long as the workbook.
  std::string_view text;
  // Text: its index in the workbook's string pool.
  std::uint32_t poolIndex = 0;
  bool boolean = false;
  // Number: a currency amount, which reads with at most four decimals and never in exponent
  // form.
  bool currency = false;
};

}  // namespace velloway::workbook
