// The monitors of the desktop, and the placing of a form on the monitor that shows a window.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/FormRect.h"
#include "ui/clsMonitor.h"
#include "velloway/monitor_api.h"

namespace velloway {

class clsMonitors {
 public:
  // Lists the monitors once (Refresh). api must outlive this object.
  explicit clsMonitors(MonitorApi& api);

  // Every monitor met, in the order first met; rebuilt by Refresh.
  const std::vector<clsMonitor>& Monitors() const { return monitors_; }

  // The virtual desktop spanning all monitors, in pixels.
  std::int32_t DesktopLeft() const;
  std::int32_t DesktopTop() const;
  std::int32_t DesktopWidth() const;
  std::int32_t DesktopHeight() const;

  MonitorHandle GetMonitorFromWindow(std::int32_t window, std::uint32_t flags) const;
  // The monitor of the 1-by-1 rectangle at (x, y), in pixels.
  MonitorHandle GetMonitorFromXYPoint(std::int32_t x, std::int32_t y, std::uint32_t flags) const;

  // Moves form, keeping its size, to the centre of the work area of the monitor nearest to
  // window, offset by the monitor's origin. Leaves it where it is when the monitor cannot be
  // described; centres it on the screen when there is no monitor at all.
  void CenterFormOnMonitor(FormRect& form, std::int32_t window) const;

  void Refresh();

 private:
  bool SystemReportsMonitors() const;
  void AddMonitorOnce(MonitorHandle handle);
  void AddWholeScreen();

  MonitorApi* api_;
  std::vector<clsMonitor> monitors_;
};

}  // namespace velloway
