#include "workbook/TextArena.h"

#include <cstring>

namespace velloway::workbook {

std::string_view TextArena::Keep(std::string_view text) {
  if (text.empty()) return {};
  // A text too large for a block gets a block of its own; the open block stays open.
  if (text.size() > kBlockSize / 4) {
    auto& own = blocks_.emplace_back(std::make_unique_for_overwrite<char[]>(text.size()));
    std::memcpy(own.get(), text.data(), text.size());
    return {own.get(), text.size()};
  }
  if (text.size() > left_) {
    free_ = blocks_.emplace_back(std::make_unique_for_overwrite<char[]>(kBlockSize)).get();
    left_ = kBlockSize;
  }
  char* kept = free_;
  std::memcpy(kept, text.data(), text.size());
  free_ += text.size();
  left_ -= text.size();
  return {kept, text.size()};
}

}  // namespace velloway::workbook
