// Text to number and to flag with the platform's conversion rules.
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/ImportError.h"
#include "core/Utf8.h"
#include "core/modToolBox.h"

namespace velloway::modToolBox {
namespace {

[[noreturn]] void Mismatch(const std::string& text) {
  throw ConversionError("Type mismatch: '" + text + "' is not a number");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "&H1F" and "&O17" are hexadecimal and octal whole numbers.
bool ParseRadix(std::string_view body, double& out) {
  if (body.size() < 3 || body[0] != '&') return false;
  const char kind = static_cast<char>(body[1] | 0x20);
  const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
  if (base == 0) return false;
  const std::string digits(body.substr(2));
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(digits.c_str(), &end, base);
  if (errno != 0 || end == digits.c_str() || *end != '\0') return false;
  out = static_cast<double>(value);
  return true;
}

// Rewrites the number into the C locale's form: thousands separators dropped from the whole
// part, the decimal separator made ".". Returns false when the text is no number.
bool Normalise(std::string_view body, const modLocale::TextSettings& s, std::string& out) {
  const std::string& dec = s.decimalSeparator;
  // A thousands separator equal to the decimal one (a comma-decimal locale with "." forced for
  // the run) cannot group digits: the run reads numbers the way its "." implies, with ",".
  std::string thou = s.thousandSeparator;
  if (thou == dec) thou = dec == "." ? "," : std::string();
  bool seenDigit = false, seenDecimal = false, seenExponent = false;
  for (std::size_t i = 0; i < body.size();) {
    const char c = body[i];
    if (IsDigit(c)) {
      out += c;
      seenDigit = true;
      ++i;
    } else if (!dec.empty() && body.substr(i, dec.size()) == dec && !seenDecimal && !seenExponent) {
      out += '.';
      seenDecimal = true;
      i += dec.size();
    } else if (!thou.empty() && body.substr(i, thou.size()) == thou && seenDigit && !seenDecimal &&
               !seenExponent && i + thou.size() < body.size() && IsDigit(body[i + thou.size()])) {
      i += thou.size();
    } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && seenDigit && !seenExponent) {
      out += 'e';
      seenExponent = true;
      ++i;
      if (i < body.size() && (body[i] == '+' || body[i] == '-')) out += body[i++];
      if (i >= body.size() || !IsDigit(body[i])) return false;
    } else {
      return false;
    }
  }
  return seenDigit;
}

}  // namespace

double TextToNumber(const modLocale::TextSettings& settings, const std::string& text) {
  if (text.empty()) return 0;
  std::string_view body = TrimBlanks(text);
  bool negative = false;
  if (body.size() >= 2 && body.front() == '(' && body.back() == ')') {
    negative = true;
    body = TrimBlanks(body.substr(1, body.size() - 2));
  }
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    if (negative && body.front() == '-') Mismatch(text);
    negative = negative || body.front() == '-';
    body = TrimBlanks(body.substr(1));
  }
  double value = 0;
  if (!ParseRadix(body, value)) {
    std::string normal;
    if (!Normalise(body, settings, normal)) Mismatch(text);
    errno = 0;
    value = std::strtod(normal.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) {
      throw ConversionError("Overflow: '" + text + "' is too large a number");
    }
  }
  return negative ? -value : value;
}

bool TextToFlag(const modLocale::TextSettings& settings, const std::string& text) {
  if (text.empty()) return false;
  const std::string_view body = TrimBlanks(text);
  if (EqualsIgnoringCase(body, "True")) return true;
  if (EqualsIgnoringCase(body, "False")) return false;
  try {
    return TextToNumber(settings, text) != 0;
  } catch (const ConversionError&) {
    throw ConversionError("Type mismatch: '" + text + "' is not True or False");
  }
}

}  // namespace velloway::modToolBox
