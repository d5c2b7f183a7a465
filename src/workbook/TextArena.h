// Texts kept for as long as their owner lives, packed into large blocks that never move, so a
// record can hold a view of its text instead of a string of its own.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace velloway::workbook {

class TextArena {
 public:
  // A copy of the text that stays valid and unchanged while the arena lives.
  std::string_view Keep(std::string_view text);

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace velloway::workbook
