// A worksheet's cells in fixed blocks, so that growing never copies what is already stored
// and a sheet takes little more memory than its cells while it is read.
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

namespace velloway::workbook {

template <typename T>
class BlockStore {
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
      blocks_.push_back(std::make_unique<T[]>(kBlockSize));
    }
    blocks_.back()[size_ % kBlockSize] = value;
    ++size_;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](std::size_t i) const {
    return blocks_[i >> kBlockBits][i & (kBlockSize - 1)];
  }
  T& operator[](std::size_t i) { return blocks_[i >> kBlockBits][i & (kBlockSize - 1)]; }
  const T& back() const { return (*this)[size_ - 1]; }
  T& back() { return (*this)[size_ - 1]; }
  const_iterator begin() const { return const_iterator(this, 0); }
  const_iterator end() const { return const_iterator(this, size_); }
  void clear() {
    blocks_.clear();
    size_ = 0;
  }

 private:
  std::vector<std::unique_ptr<T[]>> blocks_;
  std::size_t size_ = 0;
};

}  // namespace velloway::workbook
