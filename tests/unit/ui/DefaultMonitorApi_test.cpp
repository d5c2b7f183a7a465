#include "ui/DefaultMonitorApi.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "ui/X11MonitorLayout.h"

namespace velloway {
namespace {

namespace fs = std::filesystem;

class DrmFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("vw-drm-" + std::to_string(getpid()));
    fs::create_directories(root);
  }
  void TearDown() override { fs::remove_all(root); }
  void Connector(const std::string& name, const std::string& status, const std::string& modes) {
    fs::create_directories(root / name);
    std::ofstream(root / name / "status") << status << "\n";
    std::ofstream(root / name / "modes") << modes;
  }
  fs::path root;
};

TEST_F(DrmFolder, TakesThePreferredModeOfTheFirstConnectedDisplay) {
  Connector("card0-DP-1", "disconnected", "");
  Connector("card0-HDMI-A-1", "connected", "2560x1440\n1920x1080\n");
  Connector("card0-HDMI-A-2", "connected", "1280x1024\n");
  const auto mode = FirstConnectedDisplayMode(root);
  ASSERT_TRUE(mode);
  EXPECT_EQ(mode->width, 2560);
  EXPECT_EQ(mode->height, 1440);
}

TEST_F(DrmFolder, NothingWithoutAConnectedDisplayWithAMode) {
  Connector("card0-DP-1", "disconnected", "1920x1080\n");
  Connector("card0-eDP-1", "connected", "");
  EXPECT_FALSE(FirstConnectedDisplayMode(root));
  EXPECT_FALSE(FirstConnectedDisplayMode(root / "missing"));
}

// Runs only with an X display (xvfb-run -s "-screen 0 1280x1024x24" shows one monitor).
TEST(X11MonitorLayout, DescribesEveryMonitorOfTheDisplay) {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') GTEST_SKIP() << "no X display";
  const std::optional<MonitorLayout> layout = X11MonitorLayout();
  if (!layout) GTEST_SKIP() << "no RandR 1.5 on the display, or built without the X headers";
  ASSERT_FALSE(layout->monitors.empty());
  for (const MonitorInfo& m : layout->monitors) {
    const MonitorRect &r = m.rcMonitor, &w = m.rcWork;
    EXPECT_TRUE(r.left < r.right && r.top < r.bottom);
    EXPECT_TRUE(w.left >= r.left && w.top >= r.top && w.right <= r.right && w.bottom <= r.bottom);
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
