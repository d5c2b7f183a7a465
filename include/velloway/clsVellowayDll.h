// The entry class: the host creates it and calls Launch once per import.
#pragma once

#include "velloway/export.h"

namespace velloway {

struct LibraryState;

class VELLOWAY_API clsVellowayDll {
 public:
  // Binds the object to the library-wide state of the loaded library.
  explicit clsVellowayDll(LibraryState& state) : state_(state) {}
  // Runs one import. Never throws: every failure is dealt with inside.
  void Launch() noexcept;

 private:
  LibraryState& state_;
};

}  // namespace velloway
