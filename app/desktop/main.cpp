// velloway-desktop: the desktop host. velloway-desktop [WORKBOOK [PLAN]]
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "app/Commands.h"
#include "app/desktop/DesktopWindow.h"
#include "gtk/Display.h"

int main(int argc, char** argv) {
  using namespace velloway;
  if (argc > 3 || (argc > 1 && argv[1][0] == '-')) {
    std::fputs("usage: velloway-desktop [WORKBOOK [PLAN]]\n", stderr);
    return app::kExitUsage;
  }
  if (!gtk::OpenDisplay()) {
    std::fputs("velloway-desktop: no X display could be opened\n", stderr);
    return app::kExitUsage;
  }
  app::DesktopWindow window(app::DefaultInstallDir(), argc > 1 ? argv[1] : "",
                            argc > 2 ? argv[2] : "");
  gtk_main();
  return app::kExitOk;
}
