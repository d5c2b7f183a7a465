// velloway import: prepares the import as the scheduling host does (the workbook path in the
// registry under the working key), creates clsVellowayDll through the component entry points
// and calls Launch, all writes inside one plan transaction.
#include <memory>
#include <vector>

#include "app/Commands.h"
#include "app/ImportSetup.h"
#include "host/FileRegistry.h"
#include "host/ImportSummary.h"
#include "host/ReferenceHost.h"
#include "host/SqlitePlan.h"
#include "host/SystemServices.h"
#include "host/TerminalUI.h"
#include "velloway/host_contract.h"
#include "velloway/platform.h"
#include "velloway/progress_renderer.h"

namespace velloway::app {

int RunImport(const ImportOptions& options) {
  const std::string installDir =
      options.installDir.empty() ? DefaultInstallDir() : AbsolutePath(options.installDir);
  auto registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  auto ui = std::make_shared<host::TerminalUI>(stderr, stdin, options.answer);
  std::shared_ptr<host::SqlitePlan> plan;
  try {
    // A plan that cannot be written is refused before anything else is done.
    plan = host::SqlitePlan::Open(options.plan, host::SqlitePlan::Mode::OpenOrCreate);
    plan->BeginImport();
    // Without a working key nothing is stored: the import itself tells the user.
    StoreImportPath(*registry, installDir, AbsolutePath(options.workbook));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
    return kExitFailed;
  }

  Platform platform;
  platform.createHostApplication = [plan, installDir] {
    return std::make_shared<host::ReferenceHost>(plan, installDir);
  };
  // Progress is drawn only on a terminal and never with --quiet; boxes and diagnostics first
  // clear the drawing so that no piece of it is left on the screen.
  auto progress = options.quiet ? MakeSilentRenderer() : MakeTerminalRenderer(stderr);
  platform.progressRenderer = progress;
  platform.registry = registry;
  platform.ui = ClearProgressBeforeBoxes(ui, progress);
  platform.logViewer = std::make_shared<host::LogViewerLauncher>(stderr);
  platform.clock = std::make_shared<host::SystemClock>();
  // Every diagnostic line tells of a failure: the workbook could not be opened, or the import
  // stopped part way.
  auto diagnosed = std::make_shared<bool>(false);
  platform.diagnostic = [progress, diagnosed, plan](const std::string& line) {
    *diagnosed = true;
    // Once the plan could not be written, the one line about that, at the end, says why.
    if (plan->writeFailure()) return;
    progress->Interrupt();
    std::fprintf(stderr, "velloway: %s\n", line.c_str());
  };
  // Problems by place are told after the boxes, once the import is over.
  auto problems = std::make_shared<std::vector<std::string>>();
  platform.findings = [problems](const ImportFinding& finding) {
    if (finding.kind == ImportFinding::Kind::Problem) problems->push_back(ProblemLine(finding));
  };
  InstallPlatform(std::move(platform));

  const bool launched = LaunchThroughComponentRuntime();
  progress->Interrupt();
  for (const std::string& line : *problems) std::fprintf(stderr, "velloway: %s\n", line.c_str());
  if (!launched) {
    std::fprintf(stderr, "velloway: the import component could not be created\n");
    plan->RollbackImport();
    return kExitFailed;
  }
  try {
    plan->CommitImport();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
    return kExitFailed;
  }
  const bool wrote = plan->writeCount() > 0;
  const bool succeeded = wrote && ui->criticalCount() == 0 && !*diagnosed;
  // What was imported goes to stdout, apart from the boxes and diagnostics on stderr.
  if (succeeded && !options.quiet) {
    std::fputs(host::FormatSummary(host::SummarizeImport(*plan, installDir)).c_str(), stdout);
  }
  return succeeded ? kExitOk : kExitFailed;
}

}  // namespace velloway::app
