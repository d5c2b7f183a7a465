// The desktop front end of the import: the pieces a host hands the library in its platform.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <optional>

#include "gtk/HostMonitors.h"
#include "gtk/LogWindow.h"
#include "gtk/MessageDialogs.h"
#include "gtk/ProgressWindow.h"

namespace velloway::gtk {

struct FrontEnd {
  std::shared_ptr<HostMonitors> monitors;
  std::shared_ptr<ProgressWindow> progress;
  std::shared_ptr<MessageDialogs> dialogs;
  std::shared_ptr<LogWindow> logWindows;
};

// Needs an open display. hostWindow (may be null) is the parent of boxes shown without the form;
// fixedAnswer answers every question.
FrontEnd MakeFrontEnd(GtkWindow* hostWindow, std::optional<bool> fixedAnswer);

}  // namespace velloway::gtk
