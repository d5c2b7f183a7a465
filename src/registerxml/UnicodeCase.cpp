#include "registerxml/UnicodeCase.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace velloway::registerxml {

std::string UnicodeUpper(std::string_view text) {
  std::string upper;
  upper.reserve(text.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  for (int32_t at = 0; at < length;) {
    const int32_t start = at;
    UChar32 c = 0;
    U8_NEXT(bytes, at, length, c);
    if (c < 0) {  // not UTF-8: the bytes stay as they are
      upper.append(text.substr(start, at - start));
      continue;
    }
    uint8_t encoded[U8_MAX_LENGTH];
    int32_t size = 0;
    U8_APPEND_UNSAFE(encoded, size, u_toupper(c));
    upper.append(reinterpret_cast<const char*>(encoded), static_cast<std::size_t>(size));
  }
  return upper;
}

}  // namespace velloway::registerxml
