// A private Xvfb server for the display tests, two monitors side by side on its one screen, and
// the X tools (xdotool, xwininfo, ImageMagick's import) that look at its windows from outside.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace velloway::test {

// Each monitor is kMonitorWidth by kMonitorHeight pixels; the second one lies right of the first.
inline constexpr int kMonitorWidth = 1024;
inline constexpr int kMonitorHeight = 768;

class XServer {
 public:
  // Starts Xvfb and sets DISPLAY; why it could not be started is in Problem().
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  bool Running() const { return pid_ > 0; }
  const std::string& Problem() const { return problem_; }

 private:
  pid_t pid_ = 0;
  std::string problem_;
};

// The standard output of a shell command, trailing line breaks removed.
std::string Shell(const std::string& command);

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The window's outer rectangle on the screen, as xwininfo reads it.
ScreenRect WindowRect(std::int32_t window);
// The window's title, as xdotool reads it.
std::string WindowTitle(std::int32_t window);
// The first visible window with exactly this title, waiting for it a few seconds; 0 when none.
std::int32_t WaitForWindow(const std::string& title);
// Presses keys in the window, as a user does, e.g. "Return" or "alt+n".
void PressKeys(std::int32_t window, const std::string& keys);
// Saves a picture of the window as NAME.png in the build's screenshots folder.
void Screenshot(std::int32_t window, const std::string& name);

}  // namespace velloway::test
