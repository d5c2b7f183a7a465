#include "ui/X11MonitorLayout.h"

#if VELLOWAY_HAVE_XRANDR

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace velloway {
namespace {

// Opened once and never closed: Xlib keeps process-wide state that must not be unloaded.
void* OpenOnce(const char* soname) { return dlopen(soname, RTLD_LAZY | RTLD_LOCAL); }

// Sets function to the named symbol of library, or null.
template <typename F>
void Bind(void* library, const char* name, F& function) {
  void* address = library != nullptr ? dlsym(library, name) : nullptr;
  static_assert(sizeof function == sizeof address);
  std::memcpy(&function, &address, sizeof function);
}

struct XFunctions {
  decltype(&XOpenDisplay) openDisplay;
  decltype(&XCloseDisplay) closeDisplay;
  decltype(&XDefaultRootWindow) rootWindow;
  decltype(&XInternAtom) internAtom;
  decltype(&XGetWindowProperty) getWindowProperty;
  decltype(&XFree) free;
  decltype(&XRRQueryExtension) queryExtension;
  decltype(&XRRQueryVersion) queryVersion;
  decltype(&XRRGetMonitors) getMonitors;
  decltype(&XRRFreeMonitors) freeMonitors;

  bool Complete() const {
    return openDisplay && closeDisplay && rootWindow && internAtom && getWindowProperty && free &&
           queryExtension && queryVersion && getMonitors && freeMonitors;
  }
};

const XFunctions& LoadX() {
  static const XFunctions functions = [] {
    void* x11 = OpenOnce("libX11.so.6");
    void* xrandr = OpenOnce("libXrandr.so.2");
    XFunctions x{};
    Bind(x11, "XOpenDisplay", x.openDisplay);
    Bind(x11, "XCloseDisplay", x.closeDisplay);
    Bind(x11, "XDefaultRootWindow", x.rootWindow);
    Bind(x11, "XInternAtom", x.internAtom);
    Bind(x11, "XGetWindowProperty", x.getWindowProperty);
    Bind(x11, "XFree", x.free);
    Bind(xrandr, "XRRQueryExtension", x.queryExtension);
    Bind(xrandr, "XRRQueryVersion", x.queryVersion);
    Bind(xrandr, "XRRGetMonitors", x.getMonitors);
    Bind(xrandr, "XRRFreeMonitors", x.freeMonitors);
    return x;
  }();
  return functions;
}

// The first work area of _NET_WORKAREA on the root window, when a window manager set one.
std::optional<MonitorRect> DesktopWorkArea(const XFunctions& x, Display* display, Window root) {
  const Atom atom = x.internAtom(display, "_NET_WORKAREA", True);
  if (atom == None) return std::nullopt;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  const int status = x.getWindowProperty(display, root, atom, 0, 4, False, XA_CARDINAL, &type,
                                         &format, &count, &after, &data);
  std::optional<MonitorRect> area;
  if (status == Success && type == XA_CARDINAL && format == 32 && count >= 4) {
    // 32-bit properties arrive as longs.
    const long* v = reinterpret_cast<const long*>(data);
    area =
        MonitorRect{static_cast<std::int32_t>(v[0]), static_cast<std::int32_t>(v[1]),
                    static_cast<std::int32_t>(v[0] + v[2]), static_cast<std::int32_t>(v[1] + v[3])};
  }
  if (data != nullptr) x.free(data);
  return area;
}

// The part of the monitor inside the work area; the whole monitor when they do not meet.
MonitorRect WorkOf(const MonitorRect& monitor, const std::optional<MonitorRect>& work) {
  if (!work) return monitor;
  const MonitorRect cut{std::max(monitor.left, work->left), std::max(monitor.top, work->top),
                        std::min(monitor.right, work->right),
                        std::min(monitor.bottom, work->bottom)};
  if (cut.left >= cut.right || cut.top >= cut.bottom) return monitor;
  return cut;
}

std::optional<MonitorLayout> QueryMonitors(const XFunctions& x, Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  int major = 0;
  int minor = 0;
  if (!x.queryExtension(display, &eventBase, &errorBase)) return std::nullopt;
  if (!x.queryVersion(display, &major, &minor) || major * 100 + minor < 105) return std::nullopt;
  const Window root = x.rootWindow(display);
  int count = 0;
  XRRMonitorInfo* monitors = x.getMonitors(display, root, True, &count);
  if (monitors == nullptr) return std::nullopt;
  const std::optional<MonitorRect> work = DesktopWorkArea(x, display, root);
  MonitorLayout layout;
  for (int i = 0; i < count; ++i) {
    const XRRMonitorInfo& m = monitors[i];
    const MonitorRect rect{m.x, m.y, m.x + m.width, m.y + m.height};
    layout.monitors.push_back(
        {sizeof(MonitorInfo), rect, WorkOf(rect, work), m.primary ? kMonitorInfoPrimary : 0});
  }
  x.freeMonitors(monitors);
  if (layout.monitors.empty()) return std::nullopt;
  return layout;
}

}  // namespace

std::optional<MonitorLayout> X11MonitorLayout() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return std::nullopt;
  const XFunctions& x = LoadX();
  if (!x.Complete()) return std::nullopt;
  Display* display = x.openDisplay(nullptr);
  if (display == nullptr) return std::nullopt;
  std::optional<MonitorLayout> layout = QueryMonitors(x, display);
  x.closeDisplay(display);
  return layout;
}

}  // namespace velloway

#else

namespace velloway {
std::optional<MonitorLayout> X11MonitorLayout() { return std::nullopt; }
}  // namespace velloway

#endif
