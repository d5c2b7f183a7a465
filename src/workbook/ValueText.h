// Cell values turned into text the way the automation layer converts them, so that every rule
// downstream sees the text a user of the original tool saw.
#pragma once

#include <string>

namespace velloway {

// The user's date and time patterns, in the platform's pattern letters: d dd ddd dddd, M MM MMM
// MMMM, yy yyyy, h hh H HH, m mm, s ss, t tt; text in single quotes is literal.
struct DateTimeFormats {
  std::string shortDate = "dd/MM/yyyy";
  std::string timeFormat = "HH:mm:ss";
};

// A calendar date with time of day, as counted from a day serial.
struct DateParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// A number as general text: at most 15 significant digits, no grouping, the given decimal
// separator, exponent form ("1E-05", "1.5E+16") below 1E-04 and from 1E+15 up.
std::string GeneralNumberText(double value, const std::string& decimalSeparator = ".");

// Splits a day serial counted from 30 December 1899 (fractions are the time of day, rounded
// to the nearest second) into calendar parts. Negative serials count back with a positive time.
DateParts SerialToDateParts(double serial);
// The serial of a calendar date and time; throws std::out_of_range for an impossible date.
double DatePartsToSerial(const DateParts& parts);

// Formats calendar parts with one pattern of the platform's letters.
std::string FormatDatePattern(const DateParts& parts, const std::string& pattern);

// A date serial as text: the time alone when the date is the zero day (30 December 1899), the
// date alone when there is no time of day, both joined by a blank otherwise.
std::string DateSerialText(double serial, const DateTimeFormats& formats);

}  // namespace velloway
