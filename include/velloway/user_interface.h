// Modal message boxes.
#pragma once

#include <string>

#include "velloway/export.h"

namespace velloway {

enum class MsgIcon { None, Information, Exclamation, Critical };
enum class MsgButtons { OK, YesNo };
enum class MsgAnswer { OK, Yes, No };

class VELLOWAY_API UserInterface {
 public:
  virtual ~UserInterface() = default;
  // Shows a modal box and returns the button chosen. An empty title means the box has no
  // title of its own.
  virtual MsgAnswer MessageBox(const std::string& text, MsgIcon icon, MsgButtons buttons,
                               const std::string& title) = 0;
};

}  // namespace velloway
