// The desktop's monitors and screen metrics, as the progress form needs them to centre itself on
// the host's monitor. Rectangles are in pixels on the virtual desktop.
#pragma once

#include <cstdint>
#include <memory>

#include "velloway/export.h"

namespace velloway {

// A rectangle: right and bottom lie just outside it.
struct MonitorRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// A monitor's information: its rectangle and its work area (the rectangle without taskbars).
// Laid out as the 40-byte record the monitor query fills; cbSize says which record is asked for.
struct MonitorInfo {
  std::uint32_t cbSize = 40;
  MonitorRect rcMonitor;
  MonitorRect rcWork;
  std::uint32_t dwFlags = 0;  // kMonitorInfoPrimary for the primary monitor
};
static_assert(sizeof(MonitorInfo) == 40);

inline constexpr std::uint32_t kMonitorInfoPrimary = 1;

// What to answer when no monitor holds the window or rectangle.
inline constexpr std::uint32_t kMonitorDefaultToNull = 0;
inline constexpr std::uint32_t kMonitorDefaultToPrimary = 1;
inline constexpr std::uint32_t kMonitorDefaultToNearest = 2;

// System metrics that the geometry asks for.
inline constexpr int kMetricScreenWidth = 0;   // primary screen, pixels
inline constexpr int kMetricScreenHeight = 1;  // primary screen, pixels
inline constexpr int kMetricVirtualLeft = 76;  // virtual desktop
inline constexpr int kMetricVirtualTop = 77;
inline constexpr int kMetricVirtualWidth = 78;
inline constexpr int kMetricVirtualHeight = 79;
inline constexpr int kMetricMonitorCount = 80;  // 0 when the system reports no monitors

// Monitor handles are never 0; 0 means "no monitor".
using MonitorHandle = std::int32_t;

class VELLOWAY_API MonitorApi {
 public:
  virtual ~MonitorApi() = default;
  // The monitor that holds the larger part of the window; flags say what to answer otherwise.
  virtual MonitorHandle MonitorFromWindow(std::int32_t window, std::uint32_t flags) = 0;
  // The monitor that holds the larger part of the rectangle; flags as above.
  virtual MonitorHandle MonitorFromRect(const MonitorRect& rect, std::uint32_t flags) = 0;
  // Fills info for the monitor; false when the handle is unknown or cbSize is not 40.
  virtual bool GetMonitorInfo(MonitorHandle monitor, MonitorInfo& info) = 0;
  // One of the metrics above; 0 for any other.
  virtual std::int32_t GetSystemMetrics(int index) = 0;
  // Twips per pixel of the screen: 15 at 96 dots per inch.
  virtual double TwipsPerPixelX() = 0;
  virtual double TwipsPerPixelY() = 0;
};

// The monitors the environment describes: those of the X display that DISPLAY names, asked
// through RandR; else one monitor, the preferred mode of the first connected display that the
// kernel lists, else 1920 by 1080 pixels. 96 dots per inch; windows the host names lie on the
// primary monitor.
VELLOWAY_API std::shared_ptr<MonitorApi> MakeDefaultMonitorApi();

}  // namespace velloway
