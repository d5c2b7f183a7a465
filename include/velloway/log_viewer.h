// Opens a text file for the user to read, without waiting for the viewer.
#pragma once

#include <string>

#include "velloway/export.h"

namespace velloway {

class VELLOWAY_API LogViewer {
 public:
  virtual ~LogViewer() = default;
  // Throws when no viewer can be started.
  virtual void Open(const std::string& path) = 0;
};

}  // namespace velloway
