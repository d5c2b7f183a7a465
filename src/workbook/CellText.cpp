#include "workbook/CellText.h"

#include <cmath>
#include <cstdlib>

#include "workbook/ValueText.h"

namespace velloway::workbook {
namespace {

// A currency amount: up to four decimals without trailing zeros, never in exponent form.
std::string CurrencyText(double value, const std::string& decimalSeparator) {
  const auto scaled = static_cast<long long>(std::nearbyint(value * 10000));
  const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(scaled));
  std::string text = (scaled < 0 ? "-" : "") + std::to_string(magnitude / 10000);
  std::string fraction = std::to_string(magnitude % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += decimalSeparator + fraction;
  return text;
}

}  // namespace

std::string CellText(const CellValue& value, const TextFormat& format) {
  switch (value.kind) {
    case CellKind::Text:
      return std::string(value.text);
    case CellKind::Number:
      return value.currency ? CurrencyText(value.number, format.decimalSeparator)
                            : GeneralNumberText(value.number, format.decimalSeparator);
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
