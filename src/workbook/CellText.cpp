#include "workbook/CellText.h"

#include "workbook/ValueText.h"

namespace velloway::workbook {

std::string CellText(const CellValue& value, const TextFormat& format) {
  switch (value.kind) {
    case CellKind::Text:
      return std::string(value.text);
    case CellKind::Number:
      return GeneralNumberText(value.number, format.decimalSeparator);
    case CellKind::DateTime:
      return DateSerialText(value.number, format.dates);
    case CellKind::Boolean:
      return value.boolean ? "True" : "False";
    case CellKind::Empty:
    case CellKind::Error:
      return {};
  }
  return {};
}

}  // namespace velloway::workbook
