#include "app/ImportLaunch.h"

#include <unistd.h>

#include <climits>
#include <cstdio>

#include "app/Commands.h"
#include "host/ImportSummary.h"
#include "host/ReferenceHost.h"
#include "host/SystemServices.h"
#include "velloway/host_contract.h"
#include "velloway/platform.h"

namespace velloway::app {
namespace {

const char* const kInternationalKey = "Control Panel\\International";

}  // namespace

std::string BesideProgram(const std::string& relative) {
  char self[PATH_MAX] = {};
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return relative;  // relative to the working folder, as a last resort
  const std::string path(self, static_cast<std::size_t>(n));
  return path.substr(0, path.find_last_of('/')) + "/" + relative;
}

std::string DefaultInstallDir() { return BesideProgram(VELLOWAY_DATA_FROM_BIN); }

int ImportExitStatus(const ImportRequest& request, const ImportOutcome& outcome, int criticalBoxes,
                     bool quiet) {
  if (!outcome.plan) return kExitFailed;
  const bool wrote = outcome.committed && outcome.plan->writeCount() > 0;
  const bool succeeded = wrote && criticalBoxes == 0 && !outcome.diagnosed;
  if (succeeded && !quiet) {
    std::fputs(
        host::FormatSummary(host::SummarizeImport(*outcome.plan, request.installDir)).c_str(),
        stdout);
  }
  return succeeded ? kExitOk : kExitFailed;
}

ImportOutcome RunLaunch(const ImportRequest& request, const ImportScreens& screens) {
  ImportOutcome outcome;
  auto registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  try {
    // A plan that cannot be written is refused before anything else is done.
    outcome.plan = host::SqlitePlan::Open(request.plan, host::SqlitePlan::Mode::OpenOrCreate);
    outcome.plan->BeginImport();
    // Without a working key nothing is stored: the import itself tells the user.
    StoreImportPath(*registry, request.installDir, request.workbook);
  } catch (const std::exception& e) {
    screens.report(e.what());
    outcome.plan.reset();
    return outcome;
  }

  // One host application for the process: the library keeps the first one it is given.
  static const auto application = std::make_shared<host::ReferenceHost>(nullptr, "");
  application->Open(outcome.plan, request.installDir, screens.mainWindow);
  Platform platform;
  platform.createHostApplication = [] { return application; };
  platform.progressRenderer = screens.progress;
  platform.registry = registry;
  platform.ui = screens.ui;
  platform.logViewer = screens.logViewer;
  platform.monitors = screens.monitors;
  platform.clock = std::make_shared<host::SystemClock>();
  // Every diagnostic line tells of a failure: the workbook could not be opened, or the import
  // stopped part way.
  auto diagnosed = std::make_shared<bool>(false);
  platform.diagnostic = [report = screens.report, diagnosed,
                         plan = outcome.plan](const std::string& line) {
    *diagnosed = true;
    // Once the plan could not be written, the one line about that, at the end, says why.
    if (plan->writeFailure()) return;
    report(line);
  };
  // Problems by place are told after the boxes, once the import is over.
  auto problems = std::make_shared<std::vector<std::string>>();
  platform.findings = [problems](const ImportFinding& finding) {
    if (finding.kind == ImportFinding::Kind::Problem) problems->push_back(ProblemLine(finding));
  };
  InstallPlatform(std::move(platform));

  const bool launched = LaunchThroughComponentRuntime();
  application->Open(nullptr, request.installDir, screens.mainWindow);
  outcome.diagnosed = *diagnosed;
  for (const std::string& line : *problems) screens.report(line);
  if (!launched || screens.abandoned()) {
    screens.report(launched
                       ? "the import's window was closed before it ended; the plan is unchanged"
                       : "the import component could not be created");
    outcome.plan->RollbackImport();
    return outcome;
  }
  try {
    outcome.plan->CommitImport();
    outcome.committed = true;
  } catch (const std::exception& e) {
    screens.report(e.what());
  }
  return outcome;
}

NumberSettingsSnapshot::NumberSettingsSnapshot() : registry_(host::FileRegistry::DefaultPath()) {
  for (const char* name : {"sDecimal", "sThousand"}) {
    values_.emplace_back(name,
                         registry_.ReadString(RegistryHive::CurrentUser, kInternationalKey, name));
  }
}

// Settings that were never stored are removed, so the next import seeds them afresh.
void NumberSettingsSnapshot::Restore() {
  bool anyStored = false;
  for (const auto& [name, value] : values_) {
    if (!value) continue;
    registry_.WriteString(RegistryHive::CurrentUser, kInternationalKey, name, *value);
    anyStored = true;
  }
  if (!anyStored) registry_.DeleteKey(RegistryHive::CurrentUser, kInternationalKey);
}

}  // namespace velloway::app
