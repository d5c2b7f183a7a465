// The host's clock and log viewer.
#pragma once

#include <cstdio>

#include "velloway/clock.h"
#include "velloway/log_viewer.h"

namespace velloway::host {

// The local time of day from the system.
class SystemClock : public Clock {
 public:
  CivilTime Now() override;
};

// Opens a file with $VISUAL, else $EDITOR, else xdg-open when a display is there, without
// waiting; with none of them it prints the file's path.
class LogViewerLauncher : public LogViewer {
 public:
  explicit LogViewerLauncher(std::FILE* out) : out_(out) {}
  void Open(const std::string& path) override;

 private:
  std::FILE* out_;
};

}  // namespace velloway::host
