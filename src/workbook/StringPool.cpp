#include "workbook/StringPool.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace velloway::workbook {

void StringPool::Reserve(std::size_t capacity) {
  // realloc of zero bytes may free the buffer: an empty pool keeps one byte.
  if (capacity == 0) capacity = 1;
  void* grown = std::realloc(chars_.get(), capacity);
  if (grown == nullptr) throw std::bad_alloc();
  static_cast<void>(chars_.release());
  chars_.reset(static_cast<char*>(grown));
  capacity_ = capacity;
}

void StringPool::Append(std::string_view piece) {
  if (piece.size() > capacity_ - size_) {
    Reserve(std::max(size_ + piece.size(), capacity_ + capacity_ / 2 + 4096));
  }
  if (!piece.empty()) std::memcpy(chars_.get() + size_, piece.data(), piece.size());
  size_ += piece.size();
}

void StringPool::Shrink() {
  if (size_ < capacity_) Reserve(size_);
  ends_.shrink_to_fit();
}

}  // namespace velloway::workbook
