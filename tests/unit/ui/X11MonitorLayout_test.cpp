#include "ui/X11MonitorLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace velloway {
namespace {

// Runs only with an X display (xvfb-run -s "-screen 0 1280x1024x24" shows one monitor).
TEST(X11MonitorLayout, DescribesEveryMonitorOfTheDisplay) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') GTEST_SKIP() << "no X display";
  const std::optional<MonitorLayout> layout = X11MonitorLayout();
  if (!layout) GTEST_SKIP() << "no RandR 1.5 on the display, or built without the X headers";
  ASSERT_FALSE(layout->monitors.empty());
  for (const MonitorInfo& m : layout->monitors) {
    EXPECT_LT(m.rcMonitor.left, m.rcMonitor.right);
    EXPECT_LT(m.rcMonitor.top, m.rcMonitor.bottom);
    EXPECT_GE(m.rcWork.left, m.rcMonitor.left);
    EXPECT_GE(m.rcWork.top, m.rcMonitor.top);
    EXPECT_LE(m.rcWork.right, m.rcMonitor.right);
    EXPECT_LE(m.rcWork.bottom, m.rcMonitor.bottom);
  }
}

TEST(X11MonitorLayout, NothingWithoutADisplay) {
  const char* saved = std::getenv("DISPLAY");
  const std::string restore = saved != nullptr ? saved : "";
  unsetenv("DISPLAY");
  EXPECT_FALSE(X11MonitorLayout());
  if (saved != nullptr) setenv("DISPLAY", restore.c_str(), 1);
}

}  // namespace
}  // namespace velloway
