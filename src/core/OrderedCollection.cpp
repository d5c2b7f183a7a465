#include "core/OrderedCollection.h"

#include <unicode/unistr.h>

namespace velloway {

std::string FoldKey(const std::string& key) {
  // ASCII keys, by far the most common, need no trip through ICU.
  bool ascii = true;
  std::string folded = key;
  for (char& c : folded) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  if (ascii) return folded;
  folded.clear();
  icu::UnicodeString::fromUTF8(key).foldCase().toUTF8String(folded);
  return folded;
}

}  // namespace velloway
