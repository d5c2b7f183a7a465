// The monitors of the X display that DISPLAY names, asked through RandR.
#pragma once

#include <optional>

#include "ui/MonitorLayout.h"

namespace velloway {

// The display's monitors with the primary flagged, each work area cut from the desktop's work
// area that the window manager announces; nothing when there is no display, no RandR 1.5 on it,
// or the library was built without the X headers. The X libraries are loaded only when asked
// for, so the library also runs where they are not installed.
std::optional<MonitorLayout> X11MonitorLayout();

}  // namespace velloway
