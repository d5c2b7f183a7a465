// Which number formats make a cell's number a date or time: the automation layer hands out
// such a cell's value as a date, every other number as a number.
#pragma once

#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

namespace velloway::workbook {

// How the automation layer hands out a number shown in a format: as a number, as a date, or
// as a currency amount (four decimals at most).
enum class NumberKind : std::uint8_t { Plain, DateTime, Currency };

// The kind for a format code, and for a built-in format id the file names without its code.
NumberKind KindOfFormatCode(std::string_view code);
NumberKind KindOfBuiltInFormat(int id);

// The kinds of a list of cell formats, each given by its number format id: a code the file
// gives for an id overrides the id's built-in meaning.
std::vector<NumberKind> KindsOfFormats(const std::vector<int>& formatIds,
                                       const std::map<int, NumberKind>& customKinds);

// True for a format code whose first section shows a currency symbol: bare, quoted or in a
// "[$€-407]" tag (a tag without a symbol, such as "[$-409]", only names a locale).
bool IsCurrencyFormatCode(std::string_view code);

// True for a format code whose first section shows a day, month, year, hour, minute or second
// (elapsed "[h]" included). Quoted text, escaped characters, fills, and colour, condition and
// locale brackets do not count.
bool IsDateTimeFormatCode(std::string_view code);

// True for the built-in format ids that are dates or times when a file names the id without
// giving its code.
bool IsBuiltInDateTimeFormat(int id);

}  // namespace velloway::workbook
