// The character rules of XML 1.0 that a tokenizer must hold to: which bytes form UTF-8
// characters a document may carry, and which characters may make up a name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velloway::workbook {

// Checks UTF-8 text arriving in pieces: a character may be split between two pieces.
class Utf8Check {
 public:
  // The offset in piece of the first byte that is not proper UTF-8 or is a character XML
  // does not allow (a control character, a surrogate, U+FFFE, U+FFFF), or npos.
  std::size_t FirstBad(std::string_view piece);
  // True while a character begun in an earlier piece waits for its last bytes.
  bool Midway() const { return remaining_ != 0; }

 private:
  void Begin(int remaining, std::uint32_t bits, std::uint32_t smallest) {
    remaining_ = remaining;
    codePoint_ = bits;
    smallest_ = smallest;
  }
  std::uint32_t codePoint_ = 0;
  std::uint32_t smallest_ = 0;  // below this the sequence is overlong
  int remaining_ = 0;
};

// The character that starts at text[at] (proper UTF-8 assumed), and its length in bytes.
std::uint32_t DecodeAt(std::string_view text, std::size_t at, std::size_t& length);

bool IsNameStart(std::uint32_t c);
bool IsNameChar(std::uint32_t c);

inline bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Whether a character reference may stand for this character.
inline bool IsXmlChar(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace velloway::workbook
