#include "gtk/FrontEnd.h"

namespace velloway::gtk {

FrontEnd MakeFrontEnd(GtkWindow* hostWindow, std::optional<bool> fixedAnswer) {
  FrontEnd front;
  front.monitors = std::make_shared<HostMonitors>(MakeDefaultMonitorApi());
  front.progress = std::make_shared<ProgressWindow>(front.monitors);
  front.dialogs = std::make_shared<MessageDialogs>(front.progress, hostWindow, fixedAnswer);
  front.logWindows = std::make_shared<LogWindow>();
  return front;
}

}  // namespace velloway::gtk
