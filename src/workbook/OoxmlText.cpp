#include "workbook/OoxmlText.h"

#include <vector>

#include "workbook/Worksheet.h"

namespace velloway::workbook {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of "_xHHHH_" at text[at], or -1.
int EscapeAt(std::string_view text, std::size_t at) {
  if (at + 7 > text.size() || text[at] != '_' || text[at + 1] != 'x' || text[at + 6] != '_') {
    return -1;
  }
  int unit = 0;
  for (std::size_t i = at + 2; i < at + 6; ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

}  // namespace

void AppendUtf8(std::uint32_t cp, std::string& out) {
  if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;  // a lone surrogate is no character
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUnescaped(std::string_view text, std::string& out) {
  std::size_t done = 0;
  for (std::size_t at = text.find("_x"); at != std::string_view::npos; at = text.find("_x", at)) {
    int unit = EscapeAt(text, at);
    if (unit < 0) {
      ++at;
      continue;
    }
    out.append(text.substr(done, at - done));
    at += 7;
    std::uint32_t cp = static_cast<std::uint32_t>(unit);
    const int low = unit >= 0xD800 && unit <= 0xDBFF ? EscapeAt(text, at) : -1;
    if (low >= 0xDC00 && low <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + static_cast<std::uint32_t>(low - 0xDC00);
      at += 7;
    }
    AppendUtf8(cp, out);
    done = at;
  }
  out.append(text.substr(done));
}

std::string Utf8FromUtf16(std::span<const std::uint16_t> units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t cp = units[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    }
    AppendUtf8(cp, out);
  }
  return out;
}

bool ParseCellReference(std::string_view reference, std::uint32_t& row, std::uint16_t& column) {
  std::size_t at = 0;
  std::uint32_t col = 0;
  while (at < reference.size() && at < 3) {
    char c = reference[at];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    col = col * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
    ++at;
  }
  if (at == 0 || col > kMaxColumns) return false;
  std::uint32_t r = 0;
  const std::size_t digitsStart = at;
  while (at < reference.size() && reference[at] >= '0' && reference[at] <= '9' &&
         at - digitsStart < 8) {
    r = r * 10 + static_cast<std::uint32_t>(reference[at] - '0');
    ++at;
  }
  if (at == digitsStart || at != reference.size() || r < 1 || r > kMaxRows) return false;
  row = r;
  column = static_cast<std::uint16_t>(col);
  return true;
}

std::string ColumnLetters(std::uint32_t column) {
  std::string letters;
  while (column > 0) {
    const std::uint32_t digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

std::string ResolvePartName(std::string_view sourcePart, std::string_view target) {
  std::string decoded;
  for (std::size_t i = 0; i < target.size(); ++i) {
    if (target[i] == '%' && i + 2 < target.size() && HexDigit(target[i + 1]) >= 0 &&
        HexDigit(target[i + 2]) >= 0) {
      decoded += static_cast<char>(HexDigit(target[i + 1]) * 16 + HexDigit(target[i + 2]));
      i += 2;
    } else {
      decoded += target[i] == '\\' ? '/' : target[i];
    }
  }
  std::string path;
  if (decoded.empty() || decoded[0] != '/') {
    const std::size_t slash = sourcePart.rfind('/');
    if (slash != std::string_view::npos) path = std::string(sourcePart.substr(0, slash + 1));
  }
  path += decoded;
  std::vector<std::string> segments;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string segment = path.substr(start, end - start);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    start = end + 1;
  }
  std::string out;
  for (const std::string& segment : segments) {
    if (!out.empty()) out += '/';
    out += segment;
  }
  return out;
}

std::string RelationshipsPartOf(std::string_view part) {
  const std::size_t slash = part.rfind('/');
  if (slash == std::string_view::npos) return "_rels/" + std::string(part) + ".rels";
  return std::string(part.substr(0, slash + 1)) + "_rels/" + std::string(part.substr(slash + 1)) +
         ".rels";
}

}  // namespace velloway::workbook
