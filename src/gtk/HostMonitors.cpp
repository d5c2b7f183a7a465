#include "gtk/HostMonitors.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace velloway::gtk {
namespace {

// The window's rectangle on the root window; nothing when the handle names no window.
std::optional<MonitorRect> WindowOnScreen(std::int32_t window) {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display) || window <= 0) return std::nullopt;
  Display* x = gdk_x11_display_get_xdisplay(display);
  gdk_x11_display_error_trap_push(display);
  XWindowAttributes attributes{};
  int left = 0;
  int top = 0;
  Window child = 0;
  const bool found = XGetWindowAttributes(x, static_cast<Window>(window), &attributes) != 0 &&
                     XTranslateCoordinates(x, static_cast<Window>(window), attributes.root, 0, 0,
                                           &left, &top, &child) != 0;
  if (gdk_x11_display_error_trap_pop(display) != 0 || !found) return std::nullopt;
  return MonitorRect{left, top, left + attributes.width, top + attributes.height};
}

// Half of the free space, halved toward zero as integer division does.
int HalfOfFreeSpace(std::int32_t space, int size) { return (space - size) / 2; }

}  // namespace

WindowOrigin CentredOn(const MonitorInfo& monitor, WindowSize window) {
  return {monitor.rcMonitor.left +
              HalfOfFreeSpace(monitor.rcWork.right - monitor.rcWork.left, window.width),
          monitor.rcMonitor.top +
              HalfOfFreeSpace(monitor.rcWork.bottom - monitor.rcWork.top, window.height)};
}

MonitorHandle HostMonitors::MonitorFromWindow(std::int32_t window, std::uint32_t flags) {
  const std::optional<MonitorRect> rect = WindowOnScreen(window);
  formMonitor_ =
      rect ? desktop_->MonitorFromRect(*rect, flags) : desktop_->MonitorFromWindow(window, flags);
  return formMonitor_;
}

std::optional<MonitorInfo> HostMonitors::FormMonitor() {
  MonitorHandle monitor = formMonitor_;
  if (monitor == 0) monitor = desktop_->MonitorFromRect({0, 0, 1, 1}, kMonitorDefaultToPrimary);
  MonitorInfo info;
  if (monitor == 0 || !desktop_->GetMonitorInfo(monitor, info)) return std::nullopt;
  return info;
}

}  // namespace velloway::gtk
