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

}  // namespace

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
