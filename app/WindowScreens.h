// The import's screens as windows: the desktop front end's pieces, with what the command and the
// desktop host both need around them.
#pragma once

#include <cstdint>

#include "app/ImportLaunch.h"
#include "gtk/FrontEnd.h"

namespace velloway::app {

// The form centred by hostWindow (an X window; 0 leaves the default); the import counts as
// abandoned when the user closed the form. Until the process ends, losing the display puts the
// user's number settings back as they are now before the process goes. report is left to the
// caller.
ImportScreens WindowScreens(const gtk::FrontEnd& front, std::int32_t hostWindow);

}  // namespace velloway::app
