// velloway import: runs one import with the terminal as its screen (message boxes and progress
// on stderr), or with windows when asked for --gui.
#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/Commands.h"
#include "app/ImportLaunch.h"
#include "app/WindowedImport.h"
#include "host/SystemServices.h"
#include "host/TerminalUI.h"
#include "velloway/progress_renderer.h"

namespace velloway::app {
namespace {

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
  return ImportExitStatus(request, RunLaunch(request, screens), ui->criticalCount(), options.quiet);
}

// The windows come from the module beside the command (see app/WindowedImport.h). Without it
// the import cannot be shown in windows, as without a display: nothing is imported. The module
// stays loaded until the process ends, as GTK cannot be unloaded.
int RunInWindows(const ImportOptions& options, const ImportRequest& request) {
  const std::string path = BesideProgram(VELLOWAY_WINDOWS_FROM_BIN);
  void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  void* entry = module != nullptr ? ::dlsym(module, kWindowedImportEntry) : nullptr;
  if (entry == nullptr) {
    std::fprintf(stderr,
                 "velloway: --gui needs the desktop front end %s, which could not be loaded: %s\n",
                 path.c_str(), ::dlerror());
    return kExitUsage;
  }
  const VellowayWindowedImport import{request.workbook.c_str(), request.plan.c_str(),
                                      request.installDir.c_str(),
                                      options.answer ? int{*options.answer} : -1, options.quiet};
  return reinterpret_cast<VellowayImportInWindows>(entry)(&import);
}

}  // namespace

int RunImport(const ImportOptions& options) {
  const ImportRequest request{
      AbsolutePath(options.workbook), options.plan,
      options.installDir.empty() ? DefaultInstallDir() : AbsolutePath(options.installDir)};
  return options.gui ? RunInWindows(options, request) : RunOnTerminal(options, request);
}

}  // namespace velloway::app
