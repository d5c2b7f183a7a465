// velloway import: runs one import with the terminal as its screen (message boxes and progress
// on stderr), or with windows when asked for --gui.
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/Commands.h"
#include "app/ImportLaunch.h"
#include "app/WindowScreens.h"
#include "gtk/Display.h"
#include "host/ImportSummary.h"
#include "host/SystemServices.h"
#include "host/TerminalUI.h"
#include "velloway/progress_renderer.h"

namespace velloway::app {
namespace {

// What was imported goes to stdout, apart from the boxes and diagnostics on stderr.
int ExitStatus(const ImportOptions& options, const ImportRequest& request,
               const ImportOutcome& outcome, int criticalBoxes) {
  if (!outcome.plan) return kExitFailed;
  const bool wrote = outcome.committed && outcome.plan->writeCount() > 0;
  const bool succeeded = wrote && criticalBoxes == 0 && !outcome.diagnosed;
  if (succeeded && !options.quiet) {
    std::fputs(
        host::FormatSummary(host::SummarizeImport(*outcome.plan, request.installDir)).c_str(),
        stdout);
  }
  return succeeded ? kExitOk : kExitFailed;
}

// Progress is drawn only on a terminal and never with --quiet; boxes and diagnostics first
// clear the drawing so that no piece of it is left on the screen.
int RunOnTerminal(const ImportOptions& options, const ImportRequest& request) {
  auto ui = std::make_shared<host::TerminalUI>(stderr, stdin, options.answer);
  auto progress = options.quiet ? MakeSilentRenderer() : MakeTerminalRenderer(stderr);
  ImportScreens screens;
  screens.ui = ClearProgressBeforeBoxes(ui, progress);
  screens.progress = progress;
  screens.logViewer = std::make_shared<host::LogViewerLauncher>(stderr);
  screens.report = [progress](const std::string& line) {
    progress->Interrupt();
    std::fprintf(stderr, "velloway: %s\n", line.c_str());
  };
  return ExitStatus(options, request, RunLaunch(request, screens), ui->criticalCount());
}

// The form and the boxes as windows, the form centred by the terminal's window. The process
// stays until the user has closed the error log it opened.
int RunInWindows(const ImportOptions& options, const ImportRequest& request) {
  if (!gtk::OpenDisplay()) {
    std::fprintf(stderr, "velloway: --gui needs an X display, and none could be opened\n");
    return kExitUsage;
  }
  const gtk::FrontEnd front = gtk::MakeFrontEnd(nullptr, options.answer);
  ImportScreens screens = WindowScreens(front, gtk::TerminalWindow());
  screens.report = [](const std::string& line) {
    std::fprintf(stderr, "velloway: %s\n", line.c_str());
  };
  const ImportOutcome outcome = RunLaunch(request, screens);
  front.logWindows->WaitUntilClosed();
  return ExitStatus(options, request, outcome, front.dialogs->criticalCount());
}

}  // namespace

int RunImport(const ImportOptions& options) {
  const ImportRequest request{
      AbsolutePath(options.workbook), options.plan,
      options.installDir.empty() ? DefaultInstallDir() : AbsolutePath(options.installDir)};
  return options.gui ? RunInWindows(options, request) : RunOnTerminal(options, request);
}

}  // namespace velloway::app
