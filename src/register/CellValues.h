// The conversions the current-template road applies to cell texts, and the texts it writes.
#pragma once

#include <cstdint>
#include <string>

#include "workbook/CellText.h"

namespace velloway {

struct LibraryState;
namespace workbook {
class Worksheet;
}

// A 32-bit whole number: halves go to the even neighbour; empty text, text that is no number and
// numbers outside 32 bits throw ConversionError.
std::int32_t WholeNumber(LibraryState& state, const std::string& text);
// A number; empty text and text that is no number throw ConversionError.
double Number(LibraryState& state, const std::string& text);

// An integer as decimal text, "-" when negative.
std::string DecimalText(std::int32_t value);
// A number with up to 15 significant digits and the decimal separator in force.
std::string NumberText(LibraryState& state, double value);

}  // namespace velloway
