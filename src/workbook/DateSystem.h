// Day serials as a workbook stores them and as the automation layer hands them out.
#pragma once

#include <optional>
#include <string_view>

namespace velloway::workbook {

// A workbook counts its days from 1 January 1900 (with the phantom 29 February 1900 of old
// spreadsheets) or, when flagged, from 1 January 1904.
enum class DateSystem { From1900, From1904 };

// The serial counted from 30 December 1899 that the automation layer gives for a date-formatted
// number, or nothing when no date can stand for it (negative serials, the phantom 29 February
// 1900, beyond 31 December 9999): such a cell reads as its number.
std::optional<double> ToAutomationDate(double serial, DateSystem system);

// The workbook's own serial for a serial counted from 30 December 1899 (the reverse of the
// above, so that a date written as ISO text reads like one written as a number).
double FromAutomationDate(double date, DateSystem system);

// An ISO 8601 date with optional time ("2024-01-15", "2024-01-15T12:00:00.5Z") as a serial
// counted from 30 December 1899; nothing when the text is not such a date or lies before
// that day.
std::optional<double> ParseIsoDate(std::string_view text);
// The same for any date of the years 0001 to 9999: before the zero day the serial counts back
// with a time that still runs forward from midnight, as the automation layer stores dates.
std::optional<double> ParseIsoDateTime(std::string_view text);

}  // namespace velloway::workbook
