// A MonitorApi over a fixed description of the desktop: its monitors, the windows whose place is
// known, and the screen's resolution. The default monitor and the tests describe desktops so.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "velloway/monitor_api.h"

namespace velloway {

struct MonitorLayout {
  // Handle n is monitors[n - 1]; the primary is the one flagged so, else the first.
  std::vector<MonitorInfo> monitors;
  // Windows by handle. A window not listed is taken to lie on the primary monitor.
  std::map<std::int32_t, MonitorRect> windows;
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
};

class MonitorLayoutApi : public MonitorApi {
 public:
  explicit MonitorLayoutApi(MonitorLayout layout) : layout_(std::move(layout)) {}

  MonitorHandle MonitorFromWindow(std::int32_t window, std::uint32_t flags) override;
  MonitorHandle MonitorFromRect(const MonitorRect& rect, std::uint32_t flags) override;
  bool GetMonitorInfo(MonitorHandle monitor, MonitorInfo& info) override;
  std::int32_t GetSystemMetrics(int index) override;
  double TwipsPerPixelX() override { return layout_.twipsPerPixelX; }
  double TwipsPerPixelY() override { return layout_.twipsPerPixelY; }

  MonitorLayout& layout() { return layout_; }

 private:
  MonitorHandle Primary() const;
  MonitorHandle Nearest(const MonitorRect& rect) const;
  MonitorRect Desktop() const;

  MonitorLayout layout_;
};

// One monitor of width by height pixels whose work area is the whole monitor, at 96 dots per inch.
MonitorLayout SingleMonitorLayout(std::int32_t width, std::int32_t height);

}  // namespace velloway
