#include "workbook/XmlChars.h"

#include <cstring>

namespace velloway::workbook {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t kSpaces = 0x2020202020202020ULL;

// Eight bytes at once: true when all are ASCII at or above the space, the usual case.
bool PlainWord(const unsigned char* p) {
  std::uint64_t word = 0;
  std::memcpy(&word, p, sizeof word);
  return (word & kHighBits) == 0 && ((word - kSpaces) & ~word & kHighBits) == 0;
}

bool InRanges(std::uint32_t c, const std::uint32_t (*ranges)[2], std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (c >= ranges[i][0] && c <= ranges[i][1]) return true;
  }
  return false;
}

constexpr std::uint32_t kNameStartRanges[][2] = {
    {0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x2FF},    {0x370, 0x37D},
    {0x37F, 0x1FFF},  {0x200C, 0x200D}, {0x2070, 0x218F}, {0x2C00, 0x2FEF},
    {0x3001, 0xD7FF}, {0xF900, 0xFDCF}, {0xFDF0, 0xFFFD}, {0x10000, 0xEFFFF}};
constexpr std::uint32_t kNameRanges[][2] = {{0xB7, 0xB7}, {0x300, 0x36F}, {0x203F, 0x2040}};

}  // namespace

std::size_t Utf8Check::FirstBad(std::string_view piece) {
  const auto* begin = reinterpret_cast<const unsigned char*>(piece.data());
  const auto* end = begin + piece.size();
  const auto* p = begin;
  while (p < end) {
    if (remaining_ == 0) {
      while (end - p >= 8 && PlainWord(p)) p += 8;
      if (p == end) break;
      const unsigned c = *p;
      if (c < 0x80) {
        if (c < 0x20 && c != 0x9 && c != 0xA && c != 0xD)
          return static_cast<std::size_t>(p - begin);
      } else if (c >= 0xC2 && c <= 0xDF) {
        Begin(1, c & 0x1F, 0x80);
      } else if (c >= 0xE0 && c <= 0xEF) {
        Begin(2, c & 0x0F, 0x800);
      } else if (c >= 0xF0 && c <= 0xF4) {
        Begin(3, c & 0x07, 0x10000);
      } else {
        return static_cast<std::size_t>(p - begin);
      }
      ++p;
      continue;
    }
    const unsigned c = *p;
    if ((c & 0xC0) != 0x80) return static_cast<std::size_t>(p - begin);
    codePoint_ = codePoint_ << 6 | (c & 0x3F);
    if (--remaining_ == 0 && (codePoint_ < smallest_ || !IsXmlChar(codePoint_))) {
      return static_cast<std::size_t>(p - begin);
    }
    ++p;
  }
  return std::string_view::npos;
}

std::uint32_t DecodeAt(std::string_view text, std::size_t at, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (at + length > text.size()) {
    length = 0;
    return 0;
  }
  std::uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    c = c << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return c;
}

bool IsNameStart(std::uint32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
  return InRanges(c, kNameStartRanges, std::size(kNameStartRanges));
}

bool IsNameChar(std::uint32_t c) {
  if (c < 0x80) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
  }
  return IsNameStart(c) || InRanges(c, kNameRanges, std::size(kNameRanges));
}

}  // namespace velloway::workbook
