#include "ui/clsMonitors.h"

#include <algorithm>
#include <limits>

#include "ui/modMonitors.h"

namespace velloway {
namespace {
// Refresh samples the desktop this many pixels apart; a monitor narrower than that may be missed.
constexpr std::int32_t kSampleStep = 240;

clsMonitor FromInfo(MonitorHandle handle, const MonitorInfo& info) {
  const MonitorRect& m = info.rcMonitor;
  const MonitorRect& w = info.rcWork;
  return {handle,   m.bottom - m.top, m.right - m.left, m.left, m.right, m.top,
          m.bottom, w.left,           w.right,          w.top,  w.bottom};
}

std::int32_t PixelAfter(std::int32_t p) {
  return p == std::numeric_limits<std::int32_t>::max() ? p : p + 1;
}

double Extent(std::int32_t from, std::int32_t to) {
  return static_cast<double>(to) - static_cast<double>(from);
}
}  // namespace

clsMonitors::clsMonitors(MonitorApi& api) : api_(&api) { Refresh(); }

bool clsMonitors::SystemReportsMonitors() const {
  return api_->GetSystemMetrics(kMetricMonitorCount) != 0;
}

std::int32_t clsMonitors::DesktopLeft() const {
  return SystemReportsMonitors() ? api_->GetSystemMetrics(kMetricVirtualLeft) : 0;
}

std::int32_t clsMonitors::DesktopTop() const {
  return SystemReportsMonitors() ? api_->GetSystemMetrics(kMetricVirtualTop) : 0;
}

// Without monitors the screen's size in twips is turned back into pixels.
std::int32_t clsMonitors::DesktopWidth() const {
  if (SystemReportsMonitors()) return api_->GetSystemMetrics(kMetricVirtualWidth);
  const double tpp = api_->TwipsPerPixelX();
  const double twips = api_->GetSystemMetrics(kMetricScreenWidth) * tpp;
  return static_cast<std::int32_t>(modMonitors::RoundHalfEven(twips / tpp));
}

std::int32_t clsMonitors::DesktopHeight() const {
  if (SystemReportsMonitors()) return api_->GetSystemMetrics(kMetricVirtualHeight);
  const double tpp = api_->TwipsPerPixelY();
  const double twips = api_->GetSystemMetrics(kMetricScreenHeight) * tpp;
  return static_cast<std::int32_t>(modMonitors::RoundHalfEven(twips / tpp));
}

MonitorHandle clsMonitors::GetMonitorFromWindow(std::int32_t window, std::uint32_t flags) const {
  return api_->MonitorFromWindow(window, flags);
}

MonitorHandle clsMonitors::GetMonitorFromXYPoint(std::int32_t x, std::int32_t y,
                                                 std::uint32_t flags) const {
  return api_->MonitorFromRect({x, y, PixelAfter(x), PixelAfter(y)}, flags);
}

// The origin is the monitor's, the free space the work area's: with a taskbar at the top or
// left the form sits off-centre in the work area by the taskbar's size.
void clsMonitors::CenterFormOnMonitor(FormRect& form, std::int32_t window) const {
  using modMonitors::HalfOfFreeSpace;
  using modMonitors::RoundHalfEven;
  const double tppX = api_->TwipsPerPixelX();
  const double tppY = api_->TwipsPerPixelY();
  const MonitorHandle monitor = api_->MonitorFromWindow(window, kMonitorDefaultToNearest);
  if (monitor == 0) {
    form.Left = HalfOfFreeSpace(api_->GetSystemMetrics(kMetricScreenWidth) * tppX, form.Width);
    form.Top = HalfOfFreeSpace(api_->GetSystemMetrics(kMetricScreenHeight) * tppY, form.Height);
    return;
  }
  MonitorInfo info;
  if (!api_->GetMonitorInfo(monitor, info)) return;
  const double workWidth = RoundHalfEven(Extent(info.rcWork.left, info.rcWork.right) * tppX);
  const double workHeight = RoundHalfEven(Extent(info.rcWork.top, info.rcWork.bottom) * tppY);
  form.Left = info.rcMonitor.left * tppX + HalfOfFreeSpace(workWidth, form.Width);
  form.Top = info.rcMonitor.top * tppY + HalfOfFreeSpace(workHeight, form.Height);
}

void clsMonitors::Refresh() {
  monitors_.clear();
  if (!SystemReportsMonitors()) {
    AddWholeScreen();
    return;
  }
  const std::int64_t left = DesktopLeft();
  const std::int64_t top = DesktopTop();
  const std::int64_t right = left + DesktopWidth();
  const std::int64_t bottom = top + DesktopHeight();
  for (std::int64_t x = left; x < right; x += kSampleStep) {
    for (std::int64_t y = top; y < bottom; y += kSampleStep) {
      AddMonitorOnce(GetMonitorFromXYPoint(static_cast<std::int32_t>(x),
                                           static_cast<std::int32_t>(y), kMonitorDefaultToNull));
    }
  }
}

void clsMonitors::AddMonitorOnce(MonitorHandle handle) {
  if (handle == 0) return;
  const bool known = std::any_of(monitors_.begin(), monitors_.end(),
                                 [&](const clsMonitor& m) { return m.Handle == handle; });
  if (known) return;
  MonitorInfo info;
  if (api_->GetMonitorInfo(handle, info)) monitors_.push_back(FromInfo(handle, info));
}

void clsMonitors::AddWholeScreen() {
  const std::int32_t width = DesktopWidth();
  const std::int32_t height = DesktopHeight();
  monitors_.push_back({0, height, width, 0, width, 0, height, 0, width, 0, height});
}

}  // namespace velloway
