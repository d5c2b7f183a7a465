// Shared services of the import: the "%x" message formatter, the file check with its message,
// and the conversions between text and numbers, flags and dates under the locale in force.
#pragma once

#include <initializer_list>
#include <string>
#include <variant>

#include "core/modLocale.h"

namespace velloway {
struct LibraryState;
}

namespace velloway::modToolBox {

// A date or time as a day serial counted from 30 December 1899.
struct DateValue {
  double serial = 0;
};

// One value for FormatMessage: empty, text, number or date.
using MessageValue = std::variant<std::monostate, std::string, double, DateValue>;

// Fills each "%x" of the template with the next value's text, always the first "%x" still in the
// text; surplus "%x" stay, surplus values are dropped.
std::string FormatMessage(LibraryState& state, std::string messageTemplate,
                          std::initializer_list<MessageValue> values);
// The same with the settings given, for callers outside a run.
std::string FormatMessage(const modLocale::TextSettings& settings, std::string messageTemplate,
                          std::initializer_list<MessageValue> values);

// True when path names a normal file (not a dot-file), or, for a folder with a trailing "/" or a
// pattern with * or ?, when it holds or matches one. A plain folder gives false. When false and
// showMessage is set, the user is told "The file '...' does not exist.".
bool FileExists(LibraryState& state, const std::string& path, bool showMessage);

// Empty text gives 0; otherwise blanks around, a sign or brackets, thousands separators in the
// whole part, the decimal separator and an exponent are accepted. Throws ConversionError.
double TextToNumber(const modLocale::TextSettings& settings, const std::string& text);
double TextToNumber(LibraryState& state, const std::string& text);

// Empty text gives false; True and False in any letter case, or a number (zero is false).
// Throws ConversionError for anything else ("Yes" included).
bool TextToFlag(const modLocale::TextSettings& settings, const std::string& text);
bool TextToFlag(LibraryState& state, const std::string& text);

// A date serial in the user's short date form (with the time when it has one).
std::string DateToText(LibraryState& state, double serial);

// Reads a date with an optional time: numbers in the short date's day-month order first, then
// the other orders; ISO yyyy-mm-dd; English month names; a time alone gives the zero day.
// Two-digit years 00-29 are in the 2000s, 30-99 in the 1900s; a missing year is this year.
// Throws ConversionError for text that is no date.
double TextToDate(const modLocale::TextSettings& settings, const std::string& text,
                  int currentYear);
double TextToDate(LibraryState& state, const std::string& text);

}  // namespace velloway::modToolBox
