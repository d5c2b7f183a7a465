// A worksheet's cells in fixed blocks, so that growing never copies what is already stored
// and a sheet takes little more memory than its cells while it is read. The blocks are mapped
// from the system, not taken from malloc: sheets are read on several threads, and memory that
// one thread's malloc arena held would not serve another's later; freed cells go straight back.
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace velloway::workbook {

// Anonymous memory of this many bytes, zeroed; throws std::bad_alloc.
void* MapBlock(std::size_t bytes);
void UnmapBlock(void* block, std::size_t bytes) noexcept;

template <typename T>
class BlockStore {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  static constexpr std::size_t kBlockBits = 16;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T*;
    using reference = const T&;
    const_iterator(const BlockStore* store, std::size_t index) : store_(store), index_(index) {}
    const T& operator*() const { return (*store_)[index_]; }
    const T* operator->() const { return &(*store_)[index_]; }
    const_iterator& operator++() {
      ++index_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }

   private:
    const BlockStore* store_;
    std::size_t index_;
  };

  void push_back(const T& value) {
    if (size_ % kBlockSize == 0) {
      blocks_.reserve(blocks_.size() + 1);
      blocks_.emplace_back(static_cast<T*>(MapBlock(kBlockBytes)));
    }
    ::new (static_cast<void*>(blocks_.back().get() + size_ % kBlockSize)) T(value);
    ++size_;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](std::size_t i) const {
    return blocks_[i >> kBlockBits].get()[i & (kBlockSize - 1)];
  }
  T& operator[](std::size_t i) { return blocks_[i >> kBlockBits].get()[i & (kBlockSize - 1)]; }
  const T& back() const { return (*this)[size_ - 1]; }
  T& back() { return (*this)[size_ - 1]; }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, size_); }
  void clear() {
    blocks_.clear();
    size_ = 0;
  }

 private:
  static constexpr std::size_t kBlockBytes = kBlockSize * sizeof(T);
  struct Unmap {
    void operator()(T* block) const noexcept { UnmapBlock(block, kBlockBytes); }
  };
  std::vector<std::unique_ptr<T, Unmap>> blocks_;
  std::size_t size_ = 0;
};

}  // namespace velloway::workbook
