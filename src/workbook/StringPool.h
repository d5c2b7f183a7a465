// All texts of one workbook in one buffer, addressed by index: a shared string is stored once
// however many cells refer to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace velloway::workbook {

class StringPool {
 public:
  StringPool() { ends_.reserve(16); }
  // Appends a text and returns its index.
  std::uint32_t Add(std::string_view text) {
    Append(text);
    return Close();
  }
  // Appends to the buffer a piece of the text that the next Close() finishes; lets a parser
  // collect a text without a temporary copy.
  void Append(std::string_view piece);
  std::uint32_t Close() {
    ends_.push_back(size_);
    return static_cast<std::uint32_t>(ends_.size() - 1);
  }
  std::size_t PendingSize() const { return size_ - LastEnd(); }
  std::string_view Pending() const { return {chars_.get() + LastEnd(), PendingSize()}; }
  void DropPending() { size_ = LastEnd(); }

  std::size_t Count() const { return ends_.size(); }
  std::string_view At(std::uint32_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return {chars_.get() + begin, ends_[index] - begin};
  }
  void Shrink();

 private:
  struct Free {
    void operator()(char* chars) const { std::free(chars); }
  };
  std::size_t LastEnd() const { return ends_.empty() ? 0 : ends_.back(); }
  void Reserve(std::size_t capacity);

  // Grown with realloc, which moves a large buffer by remapping its pages: growing and shrinking
  // never hold the old and the new copy of the texts at once.
  std::unique_ptr<char, Free> chars_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::vector<std::size_t> ends_;
};

}  // namespace velloway::workbook
