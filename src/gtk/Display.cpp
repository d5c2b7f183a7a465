#include "gtk/Display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace velloway::gtk {
namespace {

std::function<void()>& DisplayLostHandler() {
  static std::function<void()> handler;
  return handler;
}

int DisplayLost(Display* /*display*/) {
  if (DisplayLostHandler()) DisplayLostHandler()();
  // Xlib ends the process when this returns; _exit skips every pending commit on the way.
  ::_exit(1);
}

Display* XDisplayOfGdk() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return nullptr;
  return gdk_x11_display_get_xdisplay(display);
}

bool IsWindow(Display* x, Window window) {
  GdkDisplay* display = gdk_display_get_default();
  gdk_x11_display_error_trap_push(display);
  XWindowAttributes attributes{};
  const Status ok = XGetWindowAttributes(x, window, &attributes);
  return gdk_x11_display_error_trap_pop(display) == 0 && ok != 0;
}

Window ActiveWindow(Display* x) {
  const Atom active = XInternAtom(x, "_NET_ACTIVE_WINDOW", True);
  if (active == None) return 0;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  Window window = 0;
  if (XGetWindowProperty(x, DefaultRootWindow(x), active, 0, 1, False, XA_WINDOW, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr && format == 32 && count == 1) {
    window = *reinterpret_cast<Window*>(data);
  }
  if (data != nullptr) XFree(data);
  return window;
}

}  // namespace

bool OpenDisplay() {
  // The X backend only: a Wayland session runs this through its X server.
  gdk_set_allowed_backends("x11");
  if (gtk_init_check(nullptr, nullptr) == FALSE) return false;
  return XDisplayOfGdk() != nullptr;
}

void PumpPendingEvents() {
  while (gtk_events_pending() != FALSE) gtk_main_iteration_do(FALSE);
}

std::int32_t TerminalWindow() {
  Display* x = XDisplayOfGdk();
  if (x == nullptr) return 0;
  if (const char* id = std::getenv("WINDOWID"); id != nullptr && *id != '\0') {
    char* end = nullptr;
    const unsigned long window = std::strtoul(id, &end, 0);
    if (*end == '\0' && window != 0 && IsWindow(x, window)) {
      return static_cast<std::int32_t>(window);
    }
  }
  return static_cast<std::int32_t>(ActiveWindow(x));
}

std::int32_t XWindowOf(GtkWidget* window) {
  GdkWindow* gdkWindow = gtk_widget_get_window(window);
  if (gdkWindow == nullptr || !GDK_IS_X11_WINDOW(gdkWindow)) return 0;
  return static_cast<std::int32_t>(gdk_x11_window_get_xid(gdkWindow));
}

void OnDisplayLost(std::function<void()> onLost) {
  DisplayLostHandler() = std::move(onLost);
  XSetIOErrorHandler(DisplayLost);
}

}  // namespace velloway::gtk
