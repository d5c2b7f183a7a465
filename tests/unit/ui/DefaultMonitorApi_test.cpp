#include "ui/DefaultMonitorApi.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

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

// The first connected display with a mode gives its preferred (first) mode.
TEST_F(DrmFolder, TakesThePreferredModeOfTheFirstConnectedDisplay) {
  Connector("card0-DP-1", "disconnected", "1920x1080\n");
  Connector("card0-DP-2", "connected", "");
  EXPECT_FALSE(FirstConnectedDisplayMode(root));
  Connector("card0-HDMI-A-1", "connected", "2560x1440\n1920x1080\n");
  Connector("card0-HDMI-A-2", "connected", "1280x1024\n");
  const auto mode = FirstConnectedDisplayMode(root);
  ASSERT_TRUE(mode);
  EXPECT_EQ(std::pair(mode->width, mode->height), std::pair(2560, 1440));
  EXPECT_FALSE(FirstConnectedDisplayMode(root / "missing"));
}

}  // namespace
}  // namespace velloway
