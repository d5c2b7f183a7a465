// A stored number turned into the value the automation layer hands out for it, by the kind of
// its cell's format: a date when one can stand for it, a currency amount rounded to four
// decimals, or the number itself.
#pragma once

#include <cstdint>

#include "workbook/DateSystem.h"
#include "workbook/NumberFormat.h"
#include "workbook/Worksheet.h"

namespace velloway::workbook {

StoredCell NumberValueCell(std::uint32_t row, std::uint16_t column, double value, NumberKind kind,
                           DateSystem system);

}  // namespace velloway::workbook
