// One import as the hosts run it: the workbook path stored under the host's working key, the
// plan opened for one transaction, clsVellowayDll created through the component entry points
// and Launch called; the writes are committed when Launch returns, or dropped when the user
// walked away from the import.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ImportSetup.h"  // AbsolutePath
#include "host/FileRegistry.h"
#include "host/SqlitePlan.h"
#include "velloway/log_viewer.h"
#include "velloway/monitor_api.h"
#include "velloway/progress_renderer.h"
#include "velloway/user_interface.h"

namespace velloway::app {

// What the user sees of the import: a terminal or windows.
struct ImportScreens {
  std::shared_ptr<UserInterface> ui;
  std::shared_ptr<ProgressRenderer> progress;
  std::shared_ptr<LogViewer> logViewer;
  std::shared_ptr<MonitorApi> monitors;  // null: the monitors the environment describes
  std::int32_t mainWindow = 1;           // the host window the form is centred by
  // True when the user closed the import's window before it ended.
  std::function<bool()> abandoned = [] { return false; };
  // Receives every "velloway: ..." line: diagnostics and failures.
  std::function<void(const std::string&)> report;
};

struct ImportRequest {
  std::string workbook;  // absolute
  std::string plan;
  std::string installDir;
};

struct ImportOutcome {
  std::shared_ptr<host::SqlitePlan> plan;  // null when it could not be opened
  bool committed = false;                  // Launch ran and its writes are kept
  bool diagnosed = false;                  // a diagnostic told of a failure
};

ImportOutcome RunLaunch(const ImportRequest& request, const ImportScreens& screens);

// The import's exit status. What was imported goes to stdout unless quiet, apart from the boxes
// and diagnostics on stderr.
int ImportExitStatus(const ImportRequest& request, const ImportOutcome& outcome, int criticalBoxes,
                     bool quiet);

// A path relative to the program's own folder: where an installation puts what ships with the
// program (the build tree has it at the same relative place).
std::string BesideProgram(const std::string& relative);

// The user's number settings that an import changes for its length, kept aside so that a host
// that loses its display part way can put them back before it ends.
class NumberSettingsSnapshot {
 public:
  NumberSettingsSnapshot();
  void Restore();

 private:
  host::FileRegistry registry_;
  std::vector<std::pair<std::string, std::optional<std::string>>> values_;
};

}  // namespace velloway::app
