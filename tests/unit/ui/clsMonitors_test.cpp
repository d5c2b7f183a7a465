// Monitors: the layout the platform reports, the form centred on one, and the display mode read
// when no window system reports one.
#include "ui/clsMonitors.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "ui/DefaultMonitorApi.h"
#include "ui/MonitorLayout.h"

namespace velloway {
namespace {

MonitorInfo Monitor(MonitorRect rect, MonitorRect work, std::uint32_t flags = 0) {
  return {sizeof(MonitorInfo), rect, work, flags};
}

FormRect ProgressForm() { return {0, 0, 7920, 2265}; }

// A 1920 by 1080 primary with a 40-pixel taskbar at the bottom, and a 1280 by 1024 monitor to
// its right whose taskbar is at the top.
MonitorLayout TwoMonitors() {
  MonitorLayout layout;
  layout.monitors.push_back(Monitor({0, 0, 1920, 1080}, {0, 0, 1920, 1040}, kMonitorInfoPrimary));
  layout.monitors.push_back(Monitor({1920, 0, 3200, 1024}, {1920, 40, 3200, 1024}));
  return layout;
}

std::tuple<double, double> Centred(MonitorLayoutApi& api, std::int32_t window,
                                   FormRect form = ProgressForm()) {
  clsMonitors(api).CenterFormOnMonitor(form, window);
  return {form.Left, form.Top};
}

TEST(CenterFormOnMonitor, HalvesTheFreeSpaceTowardZero) {
  // The plain case, one monitor of 1024 by 768 pixels, is the progress form's loading test's. A
  // form larger than the work area: (7500 - 7920) / 2 and (1500 - 2265) / 2 = -382.5.
  MonitorLayoutApi small(SingleMonitorLayout(500, 100));
  EXPECT_EQ(Centred(small, 1), std::tuple(-210, -382));
  // Fractional twips per pixel round halves to even: a work width of 12812.5 becomes 12812.
  MonitorLayout layout = SingleMonitorLayout(1025, 768);
  layout.twipsPerPixelX = 12.5;
  MonitorLayoutApi fractional(layout);
  EXPECT_EQ(std::get<0>(Centred(fractional, 1, {0, 0, 7921, 2265})), 2445);
}

TEST(CenterFormOnMonitor, AWindowGoesToTheMonitorHoldingMoreOfItOrTheNearest) {
  MonitorLayout layout = TwoMonitors();
  layout.windows[7] = {1500, 100, 2600, 700};    // 420 pixels on the left, 680 on the right
  layout.windows[8] = {1000, 100, 2100, 700};    // 920 on the left, 180 on the right
  layout.windows[9] = {3300, 2000, 3400, 2100};  // off every monitor, nearest the right
  MonitorLayoutApi api(layout);
  // The top taskbar shifts the work area but not the origin: the form sits 40 pixels too high.
  const std::tuple right(1920 * 15 + (1280 * 15 - 7920) / 2, (984 * 15 - 2265) / 2);
  EXPECT_EQ(Centred(api, 7), right);
  EXPECT_EQ(Centred(api, 9), right);
  EXPECT_EQ(Centred(api, 8), std::tuple((1920 * 15 - 7920) / 2, (1040 * 15 - 2265) / 2));
  // A taskbar docked on the left: the monitor's left plus half the work area's free width, so
  // the form sits 60 pixels too far left.
  MonitorLayout leftBar;
  leftBar.monitors.push_back(Monitor({0, 0, 1920, 1080}, {60, 0, 1920, 1080}, kMonitorInfoPrimary));
  MonitorLayoutApi docked(leftBar);
  EXPECT_EQ(Centred(docked, 1), std::tuple((1860 * 15 - 7920) / 2, (1080 * 15 - 2265) / 2));
}

class BrokenMonitorApi : public MonitorLayoutApi {
 public:
  using MonitorLayoutApi::MonitorLayoutApi;
  MonitorHandle MonitorFromWindow(std::int32_t /*w*/, std::uint32_t /*f*/) override {
    return noMonitor ? 0 : 1;
  }
  bool GetMonitorInfo(MonitorHandle /*m*/, MonitorInfo& /*info*/) override { return false; }
  bool noMonitor = false;
};

TEST(CenterFormOnMonitor, WithoutMonitorInformationTheFormStaysOrCentresOnTheScreen) {
  BrokenMonitorApi api(SingleMonitorLayout(1024, 768));
  EXPECT_EQ(Centred(api, 1, {11, 22, 7920, 2265}), std::tuple(11, 22));
  api.noMonitor = true;
  EXPECT_EQ(Centred(api, 1, {11, 22, 7920, 2265}), std::tuple(3720, 4627));
}

std::tuple<int, int, int, int> Desktop(const clsMonitors& m) {
  return {m.DesktopLeft(), m.DesktopTop(), m.DesktopWidth(), m.DesktopHeight()};
}

TEST(clsMonitors, RefreshListsEachMonitorOnceAndTheDesktopSpansThemAll) {
  MonitorLayout layout = TwoMonitors();
  layout.monitors.push_back(Monitor({-1024, 200, 0, 968}, {-1024, 200, 0, 968}));
  MonitorLayoutApi api(layout);
  clsMonitors monitors(api);
  EXPECT_EQ(Desktop(monitors), std::tuple(-1024, 0, 4224, 1080));
  ASSERT_EQ(monitors.Monitors().size(), 3u);
  const clsMonitor& m = monitors.Monitors()[2];
  EXPECT_EQ(std::tuple(m.Handle, m.Left, m.Width, m.Height, m.WorkTop, m.WorkBottom),
            std::tuple(2, 1920, 1280, 1024, 40, 1024));

  EXPECT_EQ(monitors.GetMonitorFromXYPoint(1919, 500, kMonitorDefaultToNull), 1);
  EXPECT_EQ(monitors.GetMonitorFromXYPoint(1920, 500, kMonitorDefaultToNull), 2);
  EXPECT_EQ(monitors.GetMonitorFromXYPoint(2000, 1050, kMonitorDefaultToNull), 0);
  EXPECT_EQ(monitors.GetMonitorFromXYPoint(2000, 1050, kMonitorDefaultToPrimary), 1);
  EXPECT_EQ(monitors.GetMonitorFromXYPoint(2000, 1050, kMonitorDefaultToNearest), 2);
}

TEST(clsMonitors, WithoutReportedMonitorsTheWholeScreenIsOneMonitor) {
  class NoCount : public MonitorLayoutApi {
   public:
    using MonitorLayoutApi::MonitorLayoutApi;
    std::int32_t GetSystemMetrics(int index) override {
      return index == kMetricMonitorCount ? 0 : MonitorLayoutApi::GetSystemMetrics(index);
    }
  };
  NoCount api(SingleMonitorLayout(1024, 768));
  clsMonitors monitors(api);
  EXPECT_EQ(Desktop(monitors), std::tuple(0, 0, 1024, 768));
  ASSERT_EQ(monitors.Monitors().size(), 1u);
  EXPECT_EQ(monitors.Monitors()[0].Right, 1024);
  EXPECT_EQ(monitors.Monitors()[0].WorkBottom, 768);
}

// A folder of display connectors, each with its status and modes, as the kernel lists them.
class DrmFolder : public ::testing::Test {
 protected:
  void Connector(const std::string& name, const std::string& status, const std::string& modes) {
    dir.Write(name + "/status", status + "\n");
    dir.Write(name + "/modes", modes);
  }
  test::TempDir dir;
};

// The first connected display with a mode gives its preferred (first) mode.
TEST_F(DrmFolder, TakesThePreferredModeOfTheFirstConnectedDisplay) {
  Connector("card0-DP-1", "disconnected", "1920x1080\n");
  Connector("card0-DP-2", "connected", "");
  EXPECT_FALSE(FirstConnectedDisplayMode(dir.path()));
  Connector("card0-HDMI-A-1", "connected", "2560x1440\n1920x1080\n");
  Connector("card0-HDMI-A-2", "connected", "1280x1024\n");
  const auto mode = FirstConnectedDisplayMode(dir.path());
  ASSERT_TRUE(mode);
  EXPECT_EQ(std::pair(mode->width, mode->height), std::pair(2560, 1440));
  EXPECT_FALSE(FirstConnectedDisplayMode(dir.File("missing")));
}

}  // namespace
}  // namespace velloway
