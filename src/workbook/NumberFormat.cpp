#include "workbook/NumberFormat.h"

#include <cctype>

namespace velloway::workbook {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// "[h]", "[mm]", "[ss]" and the like: elapsed time.
bool IsElapsedBracket(std::string_view inside) {
  if (inside.empty()) return false;
  const char first = Lower(inside[0]);
  if (first != 'h' && first != 'm' && first != 's') return false;
  for (const char c : inside) {
    if (Lower(c) != first) return false;
  }
  return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[i]) != Lower(word[i])) return false;
  }
  return true;
}

// The currency signs of the common locales, in UTF-8.
constexpr std::string_view kCurrencySigns[] = {"$",      "\u20ac", "\u00a3", "\u00a5", "\u20b9",
                                               "\u20a9", "\u20bd", "\u20ba", "\u20aa", "\u20ab",
                                               "\u0e3f", "\u20b4", "\u20a6", "\u00a2"};

bool HasCurrencySign(std::string_view text) {
  for (const std::string_view sign : kCurrencySigns) {
    if (text.find(sign) != std::string_view::npos) return true;
  }
  return false;
}

bool StartsWithCurrencySign(std::string_view text) {
  for (const std::string_view sign : kCurrencySigns) {
    if (text.substr(0, sign.size()) == sign) return true;
  }
  return false;
}

}  // namespace

bool IsCurrencyFormatCode(std::string_view code) {
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == ';') return false;
    if (c == '"') {
      const std::size_t end = code.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      if (HasCurrencySign(code.substr(i + 1, end - i - 1))) return true;
      i = end;
    } else if (c == '[') {
      const std::size_t end = code.find(']', i + 1);
      if (end == std::string_view::npos) return false;
      const std::string_view inside = code.substr(i + 1, end - i - 1);
      if (inside.size() > 1 && inside[0] == '$' && inside[1] != '-') return true;
      i = end;
    } else if (c == '\\' || c == '_' || c == '*') {
      if (c == '\\' && StartsWithCurrencySign(code.substr(i + 1))) return true;
      ++i;
    } else if (StartsWithCurrencySign(code.substr(i))) {
      return true;
    }
  }
  return false;
}

NumberKind KindOfFormatCode(std::string_view code) {
  if (IsDateTimeFormatCode(code)) return NumberKind::DateTime;
  return IsCurrencyFormatCode(code) ? NumberKind::Currency : NumberKind::Plain;
}

NumberKind KindOfBuiltInFormat(int id) {
  if (IsBuiltInDateTimeFormat(id)) return NumberKind::DateTime;
  // 5 to 8: currency; 42 and 44: accounting with the currency sign.
  if ((id >= 5 && id <= 8) || id == 42 || id == 44) return NumberKind::Currency;
  return NumberKind::Plain;
}

std::vector<NumberKind> KindsOfFormats(const std::vector<int>& formatIds,
                                       const std::map<int, NumberKind>& customKinds) {
  std::vector<NumberKind> kinds;
  kinds.reserve(formatIds.size());
  for (const int id : formatIds) {
    const auto custom = customKinds.find(id);
    kinds.push_back(custom != customKinds.end() ? custom->second : KindOfBuiltInFormat(id));
  }
  return kinds;
}

bool IsDateTimeFormatCode(std::string_view code) {
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    switch (c) {
      case ';':
        return false;  // only the first section decides
      case '"': {
        const std::size_t end = code.find('"', i + 1);
        if (end == std::string_view::npos) return false;
        i = end;
        break;
      }
      case '\\':
      case '_':
      case '*':
        ++i;  // the next character is literal text, a width or a fill
        break;
      case '[': {
        const std::size_t end = code.find(']', i + 1);
        if (end == std::string_view::npos) return false;
        if (IsElapsedBracket(code.substr(i + 1, end - i - 1))) return true;
        i = end;
        break;
      }
      default: {
        if (StartsWithNoCase(code.substr(i), "general")) {
          i += 6;
          break;
        }
        const char l = Lower(c);
        if (l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 's') return true;
        break;
      }
    }
  }
  return false;
}

bool IsBuiltInDateTimeFormat(int id) {
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
         (id >= 50 && id <= 58);
}

}  // namespace velloway::workbook
