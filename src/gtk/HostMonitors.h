// The desktop's monitors (the RandR layout the library reads) with the host's window found on
// them: the window handle the host names is an X window, and its monitor is the one that holds
// the larger part of it on screen.
#pragma once

#include <memory>
#include <optional>

#include "velloway/monitor_api.h"

namespace velloway::gtk {

// A window's outer size in pixels.
struct WindowSize {
  int width = 0;
  int height = 0;
};

// Where a window of the given size sits when centred on the monitor: the monitor's origin plus
// half of the work area's free space, halved toward zero; the same rule that places the
// library's form, so the window lands where the form is.
struct WindowOrigin {
  int x = 0;
  int y = 0;
};
WindowOrigin CentredOn(const MonitorInfo& monitor, WindowSize window);

class HostMonitors : public MonitorApi {
 public:
  explicit HostMonitors(std::shared_ptr<MonitorApi> desktop) : desktop_(std::move(desktop)) {}

  // A real X window is looked up on screen; any other handle goes to the desktop's rules.
  MonitorHandle MonitorFromWindow(std::int32_t window, std::uint32_t flags) override;
  MonitorHandle MonitorFromRect(const MonitorRect& rect, std::uint32_t flags) override {
    return desktop_->MonitorFromRect(rect, flags);
  }
  bool GetMonitorInfo(MonitorHandle monitor, MonitorInfo& info) override {
    return desktop_->GetMonitorInfo(monitor, info);
  }
  std::int32_t GetSystemMetrics(int index) override { return desktop_->GetSystemMetrics(index); }
  double TwipsPerPixelX() override { return desktop_->TwipsPerPixelX(); }
  double TwipsPerPixelY() override { return desktop_->TwipsPerPixelY(); }

  // The monitor the form was centred on: the one last found for a window (the form asks only
  // to place itself), else the one at the desktop's origin.
  std::optional<MonitorInfo> FormMonitor();

 private:
  std::shared_ptr<MonitorApi> desktop_;
  MonitorHandle formMonitor_ = 0;
};

}  // namespace velloway::gtk
