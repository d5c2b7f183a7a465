// The text of a string item (a shared string or an inline string): the characters of its
// text elements, plain or in rich-text runs, without those of phonetic runs, escapes decoded.
#pragma once

#include <string>
#include <string_view>

#include "workbook/OoxmlText.h"
#include "workbook/XmlStream.h"

namespace velloway::workbook {

class StringItem {
 public:
  void Begin() {
    text_.clear();
    raw_.clear();
    depthInPhonetic_ = 0;
    inText_ = false;
  }
  void Start(const char* name) {
    if (Is(name, "rPh")) {
      ++depthInPhonetic_;
    } else if (Is(name, "t") && depthInPhonetic_ == 0) {
      inText_ = true;
      raw_.clear();
    }
  }
  void End(const char* name) {
    if (Is(name, "rPh")) {
      if (depthInPhonetic_ > 0) --depthInPhonetic_;
    } else if (Is(name, "t") && inText_) {
      inText_ = false;
      AppendUnescaped(raw_, text_);
    }
  }
  // The parser may hand one text over in several pieces; escapes are decoded once it is whole.
  void Characters(std::string_view text) {
    if (inText_) raw_.append(text);
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  std::string raw_;
  int depthInPhonetic_ = 0;
  bool inText_ = false;
};

}  // namespace velloway::workbook
