#include "workbook/ValueText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace velloway {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153LL * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, DateParts& out) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  out.year = static_cast<int>(yoe + era * 400 + (out.month <= 2 ? 1 : 0));
}

const long long kSerialZero = DaysFromCivil(1899, 12, 30);

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

std::string Padded(int value, int width) {
  std::string text = std::to_string(value);
  while (static_cast<int>(text.size()) < width) text.insert(text.begin(), '0');
  return text;
}

int WeekDay(const DateParts& p) {
  const long long days = DaysFromCivil(p.year, p.month, p.day);  // 1970-01-01 was a Thursday
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

// One run of a pattern letter, e.g. "MMM", as text.
std::string FormatRun(const DateParts& p, char letter, int count) {
  switch (letter) {
    case 'd':
      if (count >= 4) return kDayNames[WeekDay(p)];
      if (count == 3) return std::string(kDayNames[WeekDay(p)]).substr(0, 3);
      return Padded(p.day, count);
    case 'M':
      if (count >= 4) return kMonthNames[p.month - 1];
      if (count == 3) return std::string(kMonthNames[p.month - 1]).substr(0, 3);
      return Padded(p.month, count);
    case 'y':
      if (count <= 2) return Padded(p.year % 100, count == 1 ? 1 : 2);
      return Padded(p.year, 4);
    case 'h': {
      const int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
      return Padded(h12, count >= 2 ? 2 : 1);
    }
    case 'H':
      return Padded(p.hour, count >= 2 ? 2 : 1);
    case 'm':
      return Padded(p.minute, count >= 2 ? 2 : 1);
    case 's':
      return Padded(p.second, count >= 2 ? 2 : 1);
    case 't': {
      const std::string marker = p.hour < 12 ? "AM" : "PM";
      return count >= 2 ? marker : marker.substr(0, 1);
    }
    default:
      return std::string(static_cast<std::size_t>(count), letter);
  }
}

}  // namespace

std::string GeneralNumberText(double value, const std::string& decimalSeparator) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  if (value == 0) return "0";
  // A whole number of up to fifteen digits is its digits, as the general form below would give
  // them; most numbers of a register are such.
  if (std::fabs(value) < 1e15 && std::trunc(value) == value) {
    char whole[24];
    return std::string(
        whole, std::to_chars(whole, whole + sizeof whole, static_cast<long long>(value)).ptr);
  }
  // Round to 15 significant digits first (d.dddddddddddddde±x, rounded exactly as printf
  // rounds); the exponent of the rounded value picks the form.
  char buffer[40];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 14)
                       .ptr;
  const char* ePos = std::find(buffer, end, 'e');
  int exponent = 0;
  std::from_chars(ePos + (ePos[1] == '+' ? 2 : 1), end, exponent);
  char digits[16];
  std::size_t count = 0;
  for (const char* c = buffer; c < ePos; ++c) {
    if (*c != '.') digits[count++] = *c;
  }
  while (count > 1 && digits[count - 1] == '0') --count;
  const std::string_view kept(digits, count);

  std::string out;
  out.reserve(24);
  if (value < 0) out += '-';
  if (exponent >= 15 || exponent < -4) {
    out += kept[0];
    if (count > 1) (out += decimalSeparator) += kept.substr(1);
    out += exponent < 0 ? "E-" : "E+";
    out += Padded(std::abs(exponent), 2);
  } else if (exponent < 0) {
    out += '0';
    out += decimalSeparator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += kept;
  } else if (const auto intDigits = static_cast<std::size_t>(exponent) + 1; count <= intDigits) {
    out += kept;
    out.append(intDigits - count, '0');
  } else {
    out += kept.substr(0, intDigits);
    out += decimalSeparator;
    out += kept.substr(intDigits);
  }
  return out;
}

DateParts SerialToDateParts(double serial) {
  double whole = std::trunc(serial);
  long long seconds = std::llround(std::fabs(serial - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    whole += serial < 0 ? -1 : 1;
  }
  DateParts parts;
  CivilFromDays(kSerialZero + static_cast<long long>(whole), parts);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

double DatePartsToSerial(const DateParts& parts) {
  if (parts.month < 1 || parts.month > 12 || parts.day < 1 || parts.hour < 0 || parts.hour > 23 ||
      parts.minute < 0 || parts.minute > 59 || parts.second < 0 || parts.second > 59) {
    throw std::out_of_range("not a date");
  }
  DateParts check;
  const long long days = DaysFromCivil(parts.year, parts.month, parts.day);
  CivilFromDays(days, check);
  if (check.day != parts.day || check.month != parts.month) throw std::out_of_range("not a date");
  const double whole = static_cast<double>(days - kSerialZero);
  const double time = (parts.hour * 3600 + parts.minute * 60 + parts.second) / 86400.0;
  // Before the zero day the time still counts forward from midnight.
  return whole < 0 ? whole - time : whole + time;
}

std::string FormatDatePattern(const DateParts& parts, const std::string& pattern) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '\'') {
      const std::size_t end = pattern.find('\'', i + 1);
      out += pattern.substr(i + 1, (end == std::string::npos ? pattern.size() : end) - i - 1);
      i = end == std::string::npos ? pattern.size() : end + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    const bool letter = c == 'd' || c == 'M' || c == 'y' || c == 'h' || c == 'H' || c == 'm' ||
                        c == 's' || c == 't';
    out += letter ? FormatRun(parts, c, static_cast<int>(run)) : pattern.substr(i, run);
    i += run;
  }
  return out;
}

std::string DateSerialText(double serial, const DateTimeFormats& formats) {
  const DateParts parts = SerialToDateParts(serial);
  const bool hasTime = parts.hour != 0 || parts.minute != 0 || parts.second != 0;
  const bool zeroDay = parts.year == 1899 && parts.month == 12 && parts.day == 30;
  // The zero day with no time at all reads as midnight, as the automation layer shows it.
  if (zeroDay) return FormatDatePattern(parts, formats.timeFormat);
  if (!hasTime) return FormatDatePattern(parts, formats.shortDate);
  return FormatDatePattern(parts, formats.shortDate) + " " +
         FormatDatePattern(parts, formats.timeFormat);
}

}  // namespace velloway
