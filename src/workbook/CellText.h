// A cell's value as text, converted the way the automation layer converts a value to text.
#pragma once

#include <string>

#include "workbook/CellValue.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {

// Empty and error values give the empty text (an error value cannot be converted); text is
// unchanged; numbers in general form with the separator in force; dates and times in the
// user's patterns; booleans "True" or "False".
std::string CellText(const CellValue& value, const TextFormat& format);

}  // namespace velloway::workbook
