#include "ui/MonitorLayout.h"

#include <algorithm>
#include <limits>

namespace velloway {
namespace {
std::int64_t Overlap(std::int32_t a0, std::int32_t a1, std::int32_t b0, std::int32_t b1) {
  return std::max<std::int64_t>(0, std::int64_t{std::min(a1, b1)} - std::max(a0, b0));
}

std::int64_t SharedArea(const MonitorRect& a, const MonitorRect& b) {
  return Overlap(a.left, a.right, b.left, b.right) * Overlap(a.top, a.bottom, b.top, b.bottom);
}

// The gap between two intervals along one axis; 0 when they meet.
std::int64_t Gap(std::int32_t a0, std::int32_t a1, std::int32_t b0, std::int32_t b1) {
  if (a1 <= b0) return std::int64_t{b0} - a1;
  if (b1 <= a0) return std::int64_t{a0} - b1;
  return 0;
}

MonitorHandle HandleOf(std::size_t index) { return static_cast<MonitorHandle>(index + 1); }
}  // namespace

MonitorHandle MonitorLayoutApi::MonitorFromWindow(std::int32_t window, std::uint32_t flags) {
  const auto it = layout_.windows.find(window);
  if (it != layout_.windows.end()) return MonitorFromRect(it->second, flags);
  return flags == kMonitorDefaultToNull ? 0 : Primary();
}

// The monitor sharing the largest area with rect; the first of equals.
MonitorHandle MonitorLayoutApi::MonitorFromRect(const MonitorRect& rect, std::uint32_t flags) {
  std::int64_t best = 0;
  MonitorHandle found = 0;
  for (std::size_t i = 0; i < layout_.monitors.size(); ++i) {
    const std::int64_t area = SharedArea(rect, layout_.monitors[i].rcMonitor);
    if (area > best) {
      best = area;
      found = HandleOf(i);
    }
  }
  if (found != 0) return found;
  if (flags == kMonitorDefaultToPrimary) return Primary();
  if (flags == kMonitorDefaultToNearest) return Nearest(rect);
  return 0;
}

bool MonitorLayoutApi::GetMonitorInfo(MonitorHandle monitor, MonitorInfo& info) {
  if (info.cbSize != sizeof(MonitorInfo)) return false;
  if (monitor < 1 || static_cast<std::size_t>(monitor) > layout_.monitors.size()) return false;
  info = layout_.monitors[static_cast<std::size_t>(monitor) - 1];
  info.cbSize = sizeof(MonitorInfo);
  return true;
}

std::int32_t MonitorLayoutApi::GetSystemMetrics(int index) {
  if (layout_.monitors.empty()) return 0;
  const MonitorRect& primary = layout_.monitors[static_cast<std::size_t>(Primary()) - 1].rcMonitor;
  const MonitorRect desktop = Desktop();
  switch (index) {
    case kMetricScreenWidth:
      return primary.right - primary.left;
    case kMetricScreenHeight:
      return primary.bottom - primary.top;
    case kMetricVirtualLeft:
      return desktop.left;
    case kMetricVirtualTop:
      return desktop.top;
    case kMetricVirtualWidth:
      return desktop.right - desktop.left;
    case kMetricVirtualHeight:
      return desktop.bottom - desktop.top;
    case kMetricMonitorCount:
      return static_cast<std::int32_t>(layout_.monitors.size());
    default:
      return 0;
  }
}

MonitorHandle MonitorLayoutApi::Primary() const {
  if (layout_.monitors.empty()) return 0;
  const auto it =
      std::find_if(layout_.monitors.begin(), layout_.monitors.end(),
                   [](const MonitorInfo& m) { return m.dwFlags & kMonitorInfoPrimary; });
  return it == layout_.monitors.end() ? 1 : HandleOf(it - layout_.monitors.begin());
}

// The monitor with the shortest straight distance to rect.
MonitorHandle MonitorLayoutApi::Nearest(const MonitorRect& rect) const {
  double best = std::numeric_limits<double>::infinity();
  MonitorHandle found = 0;
  for (std::size_t i = 0; i < layout_.monitors.size(); ++i) {
    const MonitorRect& m = layout_.monitors[i].rcMonitor;
    const double dx = static_cast<double>(Gap(rect.left, rect.right, m.left, m.right));
    const double dy = static_cast<double>(Gap(rect.top, rect.bottom, m.top, m.bottom));
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      found = HandleOf(i);
    }
  }
  return found;
}

// The bounding rectangle of all monitors.
MonitorRect MonitorLayoutApi::Desktop() const {
  MonitorRect box = layout_.monitors.front().rcMonitor;
  for (const MonitorInfo& m : layout_.monitors) {
    box.left = std::min(box.left, m.rcMonitor.left);
    box.top = std::min(box.top, m.rcMonitor.top);
    box.right = std::max(box.right, m.rcMonitor.right);
    box.bottom = std::max(box.bottom, m.rcMonitor.bottom);
  }
  return box;
}

MonitorLayout SingleMonitorLayout(std::int32_t width, std::int32_t height) {
  MonitorLayout layout;
  const MonitorRect whole{0, 0, width, height};
  layout.monitors.push_back({sizeof(MonitorInfo), whole, whole, kMonitorInfoPrimary});
  return layout;
}

}  // namespace velloway
