#include "app/WindowScreens.h"

#include <cstdio>
#include <memory>

#include "gtk/Display.h"

namespace velloway::app {

ImportScreens WindowScreens(const gtk::FrontEnd& front, std::int32_t hostWindow) {
  ImportScreens screens;
  screens.ui = front.dialogs;
  screens.progress = front.progress;
  screens.logViewer = front.logWindows;
  screens.monitors = front.monitors;
  if (hostWindow != 0) screens.mainWindow = hostWindow;
  screens.abandoned = [progress = front.progress] { return progress->ClosedByUser(); };
  auto settings = std::make_shared<NumberSettingsSnapshot>();
  gtk::OnDisplayLost([settings] {
    settings->Restore();
    std::fputs("velloway: the display went away during the import; the plan is unchanged\n",
               stderr);
  });
  return screens;
}

}  // namespace velloway::app
