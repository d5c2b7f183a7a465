// A document's text kept in blocks as it is written: a large text grows without copying itself,
// and its tree can be freed before the blocks are joined into one string.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace velloway::modXMLToolbox {

class XmlTextBlocks {
 public:
  // Pieces are mostly a few bytes (a bracket, a name, a short value): one that fits the last
  // block is copied straight in.
  void Append(const char* piece, std::size_t size) {
    if (size <= kBlockSize - used_) {
      std::memcpy(blocks_.back().get() + used_, piece, size);
      used_ += size;
      return;
    }
    AppendAcrossBlocks(piece, size);
  }
  void Append(char c) {
    if (used_ == kBlockSize) NewBlock();
    blocks_.back()[used_++] = c;
  }
  // The whole text; the blocks are freed as they are copied.
  std::string Join();

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
  void AppendAcrossBlocks(const char* piece, std::size_t size);
  void NewBlock();

  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = kBlockSize;  // of the last block; none yet is a full one
};

}  // namespace velloway::modXMLToolbox
