// The texts of records loaded from a workbook, each referred to in four bytes: a large register
// keeps millions of them. A reference names a text of the workbook's string pool, so a cell's
// text taken as it stands is never copied, or a text kept here (a number's text, a changed text).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "workbook/StringPool.h"

namespace velloway::workbook {

struct TextRef {
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  std::uint32_t id = kEmpty;
};

class RecordTexts {
 public:
  // A copy of the text, kept while this lives.
  TextRef Keep(std::string_view text);
  // A text of the workbook's pool, which must outlive this; a copy when it cannot be named.
  TextRef Pooled(const StringPool& pool, std::uint32_t index);
  std::string_view operator[](TextRef ref) const;

 private:
  // Own texts lie in blocks, each behind its length; a reference holds the block and the offset.
  static constexpr std::uint32_t kOwn = 0x80000000;
  static constexpr int kOffsetBits = 20;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kOffsetBits;
  static constexpr std::size_t kMaxBlocks = (kOwn >> kOffsetBits) - 1;  // the last names kEmpty

  std::uint32_t NewBlock(std::size_t size);
  char* Room(std::size_t bytes, std::uint32_t& block, std::uint32_t& offset);

  const StringPool* pool_ = nullptr;
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::uint32_t open_ = 0;         // the block new texts go to
  std::size_t used_ = kBlockSize;  // of the open block; full before the first
};

}  // namespace velloway::workbook
