// All texts of one workbook in one buffer, addressed by index: a shared string is stored once
// however many cells refer to it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velloway::workbook {

class StringPool {
 public:
  StringPool() { ends_.reserve(16); }
  // Appends a text and returns its index.
  std::uint32_t Add(std::string_view text) {
    chars_.append(text);
    ends_.push_back(chars_.size());
    return static_cast<std::uint32_t>(ends_.size() - 1);
  }
  // Appends to the buffer a piece of the text that the next Close() finishes; lets a parser
  // collect a text without a temporary copy.
  void Append(std::string_view piece) { chars_.append(piece); }
  std::uint32_t Close() { return Add({}); }
  std::size_t PendingSize() const { return chars_.size() - (ends_.empty() ? 0 : ends_.back()); }
  std::string_view Pending() const {
    const std::size_t begin = ends_.empty() ? 0 : ends_.back();
    return std::string_view(chars_).substr(begin);
  }
  void DropPending() { chars_.resize(ends_.empty() ? 0 : ends_.back()); }

  std::size_t Count() const { return ends_.size(); }
  std::string_view At(std::uint32_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(chars_).substr(begin, ends_[index] - begin);
  }
  void Shrink() {
    chars_.shrink_to_fit();
    ends_.shrink_to_fit();
  }

 private:
  std::string chars_;
  std::vector<std::size_t> ends_;
};

}  // namespace velloway::workbook
