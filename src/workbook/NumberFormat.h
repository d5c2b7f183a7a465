// Which number formats make a cell's number a date or time: the automation layer hands out
// such a cell's value as a date, every other number as a number.
#pragma once

#include <string_view>

namespace velloway::workbook {

// True for a format code whose first section shows a day, month, year, hour, minute or second
// (elapsed "[h]" included). Quoted text, escaped characters, fills, and colour, condition and
// locale brackets do not count.
bool IsDateTimeFormatCode(std::string_view code);

// True for the built-in format ids that are dates or times when a file names the id without
// giving its code.
bool IsBuiltInDateTimeFormat(int id);

}  // namespace velloway::workbook
