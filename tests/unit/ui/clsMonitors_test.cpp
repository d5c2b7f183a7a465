#include "ui/clsMonitors.h"

#include <gtest/gtest.h>

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

TEST(CenterFormOnMonitor, OddFreeSpaceIsHalvedWithTruncation) {
  MonitorLayoutApi api(SingleMonitorLayout(1024, 768));
  FormRect form = ProgressForm();
  clsMonitors(api).CenterFormOnMonitor(form, 1);
  EXPECT_EQ(form.Left, 3720);
  EXPECT_EQ(form.Top, 4627);
  EXPECT_EQ(form.Width, 7920);
  EXPECT_EQ(form.Height, 2265);
}

TEST(CenterFormOnMonitor, AFormLargerThanTheWorkAreaTruncatesTowardZero) {
  MonitorLayoutApi api(SingleMonitorLayout(500, 100));
  FormRect form = ProgressForm();
  clsMonitors(api).CenterFormOnMonitor(form, 1);
  EXPECT_EQ(form.Left, -210);  // (7500 - 7920) / 2
  EXPECT_EQ(form.Top, -382);   // (1500 - 2265) / 2 = -382.5
}

TEST(CenterFormOnMonitor, FractionalTwipsPerPixelRoundHalvesToEven) {
  MonitorLayout layout = SingleMonitorLayout(1025, 768);
  layout.twipsPerPixelX = 12.5;  // a work width of 12812.5 twips becomes 12812
  MonitorLayoutApi api(layout);
  FormRect form{0, 0, 7921, 2265};
  clsMonitors(api).CenterFormOnMonitor(form, 1);
  EXPECT_EQ(form.Left, 2445);
}

TEST(CenterFormOnMonitor, AWindowAcrossTwoMonitorsPicksTheOneHoldingMoreOfIt) {
  MonitorLayout layout = TwoMonitors();
  layout.windows[7] = {1500, 100, 2600, 700};  // 420 pixels on the left, 680 on the right
  layout.windows[8] = {1000, 100, 2100, 700};  // 920 on the left, 180 on the right
  MonitorLayoutApi api(layout);
  const clsMonitors monitors(api);

  FormRect right = ProgressForm();
  monitors.CenterFormOnMonitor(right, 7);
  EXPECT_EQ(right.Left, 1920 * 15 + (1280 * 15 - 7920) / 2);
  // The top taskbar shifts the work area but not the origin: the form sits 40 pixels too high.
  EXPECT_EQ(right.Top, 0 + (984 * 15 - 2265) / 2);

  FormRect left = ProgressForm();
  monitors.CenterFormOnMonitor(left, 8);
  EXPECT_EQ(left.Left, (1920 * 15 - 7920) / 2);
  EXPECT_EQ(left.Top, (1040 * 15 - 2265) / 2);
}

TEST(CenterFormOnMonitor, AWindowOffEveryMonitorGoesToTheNearest) {
  MonitorLayout layout = TwoMonitors();
  layout.windows[9] = {3300, 2000, 3400, 2100};
  MonitorLayoutApi api(layout);
  FormRect form = ProgressForm();
  clsMonitors(api).CenterFormOnMonitor(form, 9);
  EXPECT_EQ(form.Left, 1920 * 15 + (1280 * 15 - 7920) / 2);
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
  FormRect form{11, 22, 7920, 2265};
  clsMonitors(api).CenterFormOnMonitor(form, 1);
  EXPECT_EQ(form.Left, 11);
  EXPECT_EQ(form.Top, 22);

  api.noMonitor = true;
  clsMonitors(api).CenterFormOnMonitor(form, 1);
  EXPECT_EQ(form.Left, 3720);
  EXPECT_EQ(form.Top, 4627);
}

TEST(clsMonitors, RefreshListsEachMonitorOnceAndTheDesktopSpansThemAll) {
  MonitorLayout layout = TwoMonitors();
  layout.monitors.push_back(Monitor({-1024, 200, 0, 968}, {-1024, 200, 0, 968}));
  MonitorLayoutApi api(layout);
  clsMonitors monitors(api);
  EXPECT_EQ(monitors.DesktopLeft(), -1024);
  EXPECT_EQ(monitors.DesktopTop(), 0);
  EXPECT_EQ(monitors.DesktopWidth(), 4224);
  EXPECT_EQ(monitors.DesktopHeight(), 1080);

  ASSERT_EQ(monitors.Monitors().size(), 3u);
  const clsMonitor& second = monitors.Monitors()[2];
  EXPECT_EQ(second.Handle, 2);
  EXPECT_EQ(second.Left, 1920);
  EXPECT_EQ(second.Width, 1280);
  EXPECT_EQ(second.Height, 1024);
  EXPECT_EQ(second.WorkTop, 40);
  EXPECT_EQ(second.WorkBottom, 1024);

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
  EXPECT_EQ(monitors.DesktopLeft(), 0);
  EXPECT_EQ(monitors.DesktopWidth(), 1024);
  EXPECT_EQ(monitors.DesktopHeight(), 768);
  ASSERT_EQ(monitors.Monitors().size(), 1u);
  EXPECT_EQ(monitors.Monitors()[0].Right, 1024);
  EXPECT_EQ(monitors.Monitors()[0].WorkBottom, 768);
}

}  // namespace
}  // namespace velloway
