#include "workbook/DateSystem.h"

#include <charconv>
#include <stdexcept>

#include "workbook/ValueText.h"

namespace velloway::workbook {
namespace {

constexpr double kLastSerial = 2958466;  // 1 January 10000, counted from 30 December 1899
constexpr double kDays1904 = 1462;       // 1 January 1904 counted from 30 December 1899

bool ReadInt(std::string_view text, std::size_t& at, std::size_t digits, int& out) {
  if (at + digits > text.size()) return false;
  const auto result = std::from_chars(text.data() + at, text.data() + at + digits, out);
  if (result.ec != std::errc{} || result.ptr != text.data() + at + digits) return false;
  at += digits;
  return true;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
  if (at >= text.size() || text[at] != c) return false;
  ++at;
  return true;
}

}  // namespace

std::optional<double> ToAutomationDate(double serial, DateSystem system) {
  if (!(serial >= 0)) return std::nullopt;
  double date = serial;
  if (system == DateSystem::From1904) {
    date += kDays1904;
  } else if (serial >= 60 && serial < 61) {
    return std::nullopt;  // 29 February 1900 never existed
  } else if (serial >= 1 && serial < 60) {
    date += 1;  // before the phantom day the two counts differ by one
  }
  if (date >= kLastSerial) return std::nullopt;
  return date;
}

double FromAutomationDate(double date, DateSystem system) {
  if (system == DateSystem::From1904) return date - kDays1904;
  return date >= 1 && date < 61 ? date - 1 : date;
}

std::optional<double> ParseIsoDate(std::string_view text) {
  const auto serial = ParseIsoDateTime(text);
  if (!serial || *serial < 0) return std::nullopt;
  return serial;
}

std::optional<double> ParseIsoDateTime(std::string_view text) {
  DateParts parts;
  std::size_t at = 0;
  if (!ReadInt(text, at, 4, parts.year) || !Expect(text, at, '-') ||
      !ReadInt(text, at, 2, parts.month) || !Expect(text, at, '-') ||
      !ReadInt(text, at, 2, parts.day)) {
    return std::nullopt;
  }
  double fraction = 0;
  if (at < text.size()) {
    if (!Expect(text, at, 'T') || !ReadInt(text, at, 2, parts.hour) || !Expect(text, at, ':') ||
        !ReadInt(text, at, 2, parts.minute)) {
      return std::nullopt;
    }
    if (at < text.size() && text[at] == ':') {
      ++at;
      if (!ReadInt(text, at, 2, parts.second)) return std::nullopt;
      if (at < text.size() && text[at] == '.') {
        const std::size_t start = at;
        ++at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        std::from_chars(text.data() + start, text.data() + at, fraction);
        if (at == start + 1) return std::nullopt;
      }
    }
    if (at < text.size() && text[at] == 'Z') ++at;
    if (at != text.size()) return std::nullopt;
  }
  if (parts.year < 1) return std::nullopt;
  try {
    const double serial = DatePartsToSerial(parts);
    const double seconds = fraction / 86400.0;
    return serial < 0 ? serial - seconds : serial + seconds;
  } catch (const std::out_of_range&) {
    return std::nullopt;
  }
}

}  // namespace velloway::workbook
