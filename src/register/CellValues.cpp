#include "register/CellValues.h"

#include <cmath>
#include <limits>

#include "core/ImportError.h"
#include "core/LibraryState.h"
#include "core/modToolBox.h"
#include "workbook/CellText.h"
#include "workbook/ValueText.h"

namespace velloway {

double Number(LibraryState& state, const std::string& text) {
  if (text.empty()) throw ConversionError("Type mismatch: an empty cell is not a number");
  return modToolBox::TextToNumber(state, text);
}

std::int32_t WholeNumber(LibraryState& state, const std::string& text) {
  // nearbyint rounds in the default mode: to nearest, halves to even.
  const double rounded = std::nearbyint(Number(state, text));
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw ConversionError("Overflow: '" + text + "' is outside the whole-number range");
  }
  return static_cast<std::int32_t>(rounded);
}

std::string DecimalText(std::int32_t value) { return std::to_string(value); }

std::string NumberText(LibraryState& state, double value) {
  return GeneralNumberText(value, modLocale::CurrentTextSettings(state).decimalSeparator);
}

}  // namespace velloway
