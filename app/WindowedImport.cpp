#include "app/WindowedImport.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "app/Commands.h"
#include "app/ImportLaunch.h"
#include "app/WindowScreens.h"
#include "gtk/Display.h"

namespace velloway::app {
namespace {

// The form and the boxes as windows, the form centred by the terminal's window. The process
// stays until the user has closed the error log it opened.
int RunInWindows(const VellowayWindowedImport& import) {
  if (!gtk::OpenDisplay()) {
    std::fprintf(stderr, "velloway: --gui needs an X display, and none could be opened\n");
    return kExitUsage;
  }
  const std::optional<bool> answer =
      import.answer < 0 ? std::nullopt : std::optional<bool>(import.answer != 0);
  const gtk::FrontEnd front = gtk::MakeFrontEnd(nullptr, answer);
  ImportScreens screens = WindowScreens(front, gtk::TerminalWindow());
  screens.report = [](const std::string& line) {
    std::fprintf(stderr, "velloway: %s\n", line.c_str());
  };
  const ImportRequest request{import.workbook, import.plan, import.installDir};
  const ImportOutcome outcome = RunLaunch(request, screens);
  front.logWindows->WaitUntilClosed();
  return ImportExitStatus(request, outcome, front.dialogs->criticalCount(), import.quiet != 0);
}

}  // namespace
}  // namespace velloway::app

// What the import does not catch itself ends here in one line and a failure status, as it would
// in the command.
extern "C" int velloway_import_in_windows(const VellowayWindowedImport* import) {
  try {
    return velloway::app::RunInWindows(*import);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "velloway: an unexpected failure\n");
  }
  return velloway::app::kExitFailed;
}
