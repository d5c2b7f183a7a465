// The X display the desktop front end draws on, and the host window it places the form by.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <functional>
#include <string>

namespace velloway::gtk {

// Opens the display that DISPLAY names for GTK; false when none can be opened. The front end
// draws on X (the form is placed at a computed position, which only X lets a client do).
bool OpenDisplay();

// Lets GTK handle everything that is waiting: repaints, input, window closes. The import calls
// it at each of the form's yields, so its windows stay painted and responsive.
void PumpPendingEvents();

// The terminal's window: WINDOWID when it names a window, else the active window the window
// manager announces; 0 when there is neither.
std::int32_t TerminalWindow();

// The X window of a realized GTK window: what a desktop host names as its main window.
std::int32_t XWindowOf(GtkWidget* window);

// Runs onLost (which must not touch the display) and ends the process with status 1 when the
// X server goes away: nothing is left to draw on, and ending before the plan's commit leaves the
// plan as it was.
void OnDisplayLost(std::function<void()> onLost);

}  // namespace velloway::gtk
