#include "registerxml/XmlTextBlocks.h"

#include <algorithm>

namespace velloway::modXMLToolbox {

void XmlTextBlocks::NewBlock() {
  // Not zeroed: only the bytes written are ever read.
  blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
  used_ = 0;
}

void XmlTextBlocks::AppendAcrossBlocks(const char* piece, std::size_t size) {
  while (size > 0) {
    if (used_ == kBlockSize) NewBlock();
    const std::size_t part = std::min(size, kBlockSize - used_);
    std::memcpy(blocks_.back().get() + used_, piece, part);
    used_ += part;
    piece += part;
    size -= part;
  }
}

std::string XmlTextBlocks::Join() {
  std::string text;
  if (blocks_.empty()) return text;
  text.reserve((blocks_.size() - 1) * kBlockSize + used_);
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    text.append(blocks_[i].get(), i + 1 < blocks_.size() ? kBlockSize : used_);
    blocks_[i].reset();
  }
  blocks_.clear();
  used_ = kBlockSize;
  return text;
}

}  // namespace velloway::modXMLToolbox
