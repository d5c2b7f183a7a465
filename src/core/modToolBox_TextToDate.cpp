// Text to date with the platform's lenient rules.
#include <array>
#include <optional>
#include <vector>

#include "core/ImportError.h"
#include "core/Utf8.h"
#include "core/modToolBox.h"
#include "workbook/ValueText.h"

namespace velloway::modToolBox {
namespace {

struct DateNumber {
  int value = 0;
  std::size_t digits = 0;
};

struct ParsedText {
  std::vector<DateNumber> numbers;
  int monthName = 0;  // 1-12 when a month was named
  bool hasTime = false;
  int hour = 0, minute = 0, second = 0;
};

[[noreturn]] void NotADate(const std::string& text) {
  throw ConversionError("Type mismatch: '" + text + "' is not a date");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int MonthFromName(std::string_view word) {
  static constexpr std::array<const char*, 12> kNames = {
      "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
      "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
  const std::string upper = AsciiUpper(word);
  if (upper.size() < 3) return 0;
  for (std::size_t m = 0; m < kNames.size(); ++m) {
    if (std::string_view(kNames[m]).substr(0, upper.size()) == upper)
      return static_cast<int>(m + 1);
  }
  return upper == "SEPT" ? 9 : 0;
}

int ReadNumber(std::string_view text, std::size_t& i, std::size_t& digits) {
  int value = 0;
  digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    if (digits < 9) value = value * 10 + (text[i] - '0');
    ++digits;
    ++i;
  }
  return value;
}

// h:mm[:ss] with an optional AM/PM marker; i stands after the hour's digits.
bool ReadTime(std::string_view text, std::size_t& i, int hour, ParsedText& out) {
  std::size_t digits = 0;
  ++i;  // the colon
  const int minute = ReadNumber(text, i, digits);
  if (digits == 0) return false;
  int second = 0;
  if (i < text.size() && text[i] == ':') {
    ++i;
    second = ReadNumber(text, i, digits);
    if (digits == 0) return false;
  }
  while (i < text.size() && text[i] == ' ') ++i;
  std::size_t start = i;
  while (i < text.size() && IsLetter(text[i])) ++i;
  const std::string marker = AsciiUpper(text.substr(start, i - start));
  if (!marker.empty()) {
    if (marker != "AM" && marker != "PM" && marker != "A" && marker != "P") return false;
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (marker[0] == 'P' ? 12 : 0);
  }
  if (out.hasTime || hour > 23 || minute > 59 || second > 59) return false;
  out.hasTime = true;
  out.hour = hour;
  out.minute = minute;
  out.second = second;
  return true;
}

bool IsSeparator(char c) { return c == ' ' || c == ',' || c == '/' || c == '-' || c == '.'; }

std::optional<ParsedText> Tokenise(std::string_view text) {
  ParsedText out;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (IsDigit(c)) {
      std::size_t digits = 0;
      const int value = ReadNumber(text, i, digits);
      if (i < text.size() && text[i] == ':') {
        if (!ReadTime(text, i, value, out)) return std::nullopt;
      } else {
        out.numbers.push_back({value, digits});
      }
    } else if (IsLetter(c)) {
      const std::size_t start = i;
      while (i < text.size() && IsLetter(text[i])) ++i;
      const std::string_view word = text.substr(start, i - start);
      // "T" between an ISO date and its time.
      if (word.size() == 1 && (c == 'T' || c == 't') && i < text.size() && IsDigit(text[i]))
        continue;
      const int month = MonthFromName(word);
      if (month == 0 || out.monthName != 0) return std::nullopt;
      out.monthName = month;
    } else if (IsSeparator(c)) {
      ++i;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

int FullYear(const DateNumber& year) {
  if (year.digits <= 2) return year.value < 30 ? 2000 + year.value : 1900 + year.value;
  return year.value;
}

// The order of day, month and year in the short date pattern, as letters "d", "M", "y".
std::string FieldOrder(const std::string& pattern) {
  std::string order;
  for (const char c : pattern) {
    if ((c == 'd' || c == 'M' || c == 'y') && order.find(c) == std::string::npos) order += c;
  }
  return order.size() == 3 ? order : "Mdy";
}

std::optional<double> Serial(int year, int month, int day) {
  if (year < 100 || year > 9999) return std::nullopt;
  try {
    return DatePartsToSerial({year, month, day, 0, 0, 0});
  } catch (const std::out_of_range&) {
    return std::nullopt;
  }
}

// Three numbers in the order given ("dMy" and the like).
std::optional<double> InOrder(const std::vector<DateNumber>& n, const std::string& order) {
  int day = 0, month = 0;
  DateNumber year;
  for (std::size_t i = 0; i < 3; ++i) {
    if (order[i] == 'd') day = n[i].value;
    if (order[i] == 'M') month = n[i].value;
    if (order[i] == 'y') year = n[i];
  }
  return Serial(FullYear(year), month, day);
}

std::optional<double> ThreeNumbers(const std::vector<DateNumber>& n, const std::string& order) {
  if (n[0].digits > 2) {  // a leading year: ISO yyyy-mm-dd, else yyyy-dd-mm
    if (auto s = InOrder(n, "yMd")) return s;
    return InOrder(n, "ydM");
  }
  for (const std::string& candidate : {order, std::string("dMy"), std::string("Mdy")}) {
    if (auto s = InOrder(n, candidate)) return s;
  }
  return std::nullopt;
}

std::optional<double> TwoNumbers(const std::vector<DateNumber>& n, const std::string& order,
                                 int currentYear) {
  for (std::size_t y = 0; y < 2; ++y) {  // month and year, as in 12/2026
    if (n[y].digits > 2 || n[y].value > 31) return Serial(FullYear(n[y]), n[1 - y].value, 1);
  }
  const bool dayFirst = order.find('d') < order.find('M');
  const int first = n[0].value, second = n[1].value;
  if (auto s = dayFirst ? Serial(currentYear, second, first) : Serial(currentYear, first, second)) {
    return s;
  }
  return dayFirst ? Serial(currentYear, first, second) : Serial(currentYear, second, first);
}

std::optional<double> WithMonthName(const std::vector<DateNumber>& n, int month, int currentYear) {
  if (n.size() == 1) {
    if (n[0].digits > 2 || n[0].value > 31) return Serial(FullYear(n[0]), month, 1);
    return Serial(currentYear, month, n[0].value);
  }
  if (n.size() != 2) return std::nullopt;
  const bool yearFirst = n[0].digits > 2 || n[0].value > 31;
  return yearFirst ? Serial(FullYear(n[0]), month, n[1].value)
                   : Serial(FullYear(n[1]), month, n[0].value);
}

}  // namespace

double TextToDate(const modLocale::TextSettings& settings, const std::string& text,
                  int currentYear) {
  const auto parsed = Tokenise(TrimBlanks(text));
  if (!parsed) NotADate(text);
  const std::string order = FieldOrder(settings.dates.shortDate);
  const auto& n = parsed->numbers;
  std::optional<double> day;
  if (parsed->monthName != 0) {
    day = WithMonthName(n, parsed->monthName, currentYear);
  } else if (n.size() == 3) {
    day = ThreeNumbers(n, order);
  } else if (n.size() == 2) {
    day = TwoNumbers(n, order, currentYear);
  } else if (n.empty() && parsed->hasTime) {
    day = 0.0;
  }
  if (!day) NotADate(text);
  const double time = (parsed->hour * 3600 + parsed->minute * 60 + parsed->second) / 86400.0;
  return *day < 0 ? *day - time : *day + time;
}

}  // namespace velloway::modToolBox
