#include "workbook/RecordTexts.h"

#include <cstring>
#include <new>

namespace velloway::workbook {

std::uint32_t RecordTexts::NewBlock(std::size_t size) {
  if (blocks_.size() >= kMaxBlocks) throw std::bad_alloc();
  blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
  return static_cast<std::uint32_t>(blocks_.size() - 1);
}

char* RecordTexts::Room(std::size_t bytes, std::uint32_t& block, std::uint32_t& offset) {
  // A text larger than a block gets one of its own; the open block stays open.
  if (bytes > kBlockSize) {
    block = NewBlock(bytes);
    offset = 0;
    return blocks_[block].get();
  }
  if (used_ + bytes > kBlockSize) {
    open_ = NewBlock(kBlockSize);
    used_ = 0;
  }
  block = open_;
  offset = static_cast<std::uint32_t>(used_);
  used_ += bytes;
  return blocks_[open_].get() + offset;
}

TextRef RecordTexts::Keep(std::string_view text) {
  if (text.empty()) return {};
  const auto size = static_cast<std::uint32_t>(text.size());
  std::uint32_t block = 0;
  std::uint32_t offset = 0;
  char* room = Room(sizeof size + text.size(), block, offset);
  std::memcpy(room, &size, sizeof size);
  std::memcpy(room + sizeof size, text.data(), text.size());
  return {kOwn | (block << kOffsetBits) | offset};
}

TextRef RecordTexts::Pooled(const StringPool& pool, std::uint32_t index) {
  if (pool_ == nullptr) pool_ = &pool;
  if (pool_ != &pool || index >= kOwn) return Keep(pool.At(index));
  return {index};
}

std::string_view RecordTexts::operator[](TextRef ref) const {
  if (ref.id == TextRef::kEmpty) return {};
  if ((ref.id & kOwn) == 0) return pool_->At(ref.id);
  const char* at = blocks_[(ref.id & ~kOwn) >> kOffsetBits].get() + (ref.id & (kBlockSize - 1));
  std::uint32_t size = 0;
  std::memcpy(&size, at, sizeof size);
  return {at + sizeof size, size};
}

}  // namespace velloway::workbook
