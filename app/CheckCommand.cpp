// velloway check: runs everything an import reads (the same readers, loaders and steps) against
// a plan in memory, with every question answered No, and reports what it found. Nothing of the
// user's is touched: the registry, the error log and the plan are throwaway copies.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app/CheckReport.h"
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
namespace {

namespace fs = std::filesystem;

// A folder of its own under the temporary folder, gone with the check.
class ThrowawayFolder {
 public:
  ThrowawayFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/velloway-check-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot make a temporary folder under '" + pattern + "'");
    }
    path_ = pattern;
  }
  ~ThrowawayFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ThrowawayFolder(const ThrowawayFolder&) = delete;
  ThrowawayFolder& operator=(const ThrowawayFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A copy of the user's registry store: the import reads the user's settings from it and writes
// the workbook path and the forced separator into it, never into the user's own.
std::shared_ptr<host::FileRegistry> RegistryCopy(const std::string& folder) {
  const std::string copy = folder + "/registry.reg";
  std::error_code missing;
  fs::copy_file(host::FileRegistry::DefaultPath(), copy, missing);
  return std::make_shared<host::FileRegistry>(copy);
}

// The older road's error log, line by line, without its empty lines.
std::vector<std::string> ErrorLogLines(const std::string& folder) {
  std::vector<std::string> lines;
  std::ifstream in(folder + "/ExcelToRRErrorLog.txt");
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// The check never opens the log: it reports the log's lines.
class NoViewer : public LogViewer {
 public:
  void Open(const std::string& /*path*/) override {}
};

// Every block the terminal would show, one line each.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

void RunOneCheck(const std::string& workbook, CheckReport& report) {
  const std::string installDir = DefaultInstallDir();
  const ThrowawayFolder folder;
  auto registry = RegistryCopy(folder.path());
  StoreImportPath(*registry, installDir, workbook);
  // ":memory:" is a plan SQLite keeps in memory, with a name, as a saved plan has.
  auto plan = host::SqlitePlan::Open(":memory:", host::SqlitePlan::Mode::OpenOrCreate);
  plan->BeginImport();
  char* boxes = nullptr;
  std::size_t boxesSize = 0;
  std::FILE* boxStream = ::open_memstream(&boxes, &boxesSize);
  auto ui = std::make_shared<host::TerminalUI>(boxStream, nullptr, false);

  Platform platform;
  platform.createHostApplication = [plan, installDir] {
    return std::make_shared<host::ReferenceHost>(plan, installDir);
  };
  platform.registry = registry;
  platform.ui = ui;
  platform.logViewer = std::make_shared<NoViewer>();
  platform.clock = std::make_shared<host::SystemClock>();
  platform.tempFolder = folder.path();
  platform.progressRenderer = MakeSilentRenderer();
  auto diagnosed = std::make_shared<bool>(false);
  platform.diagnostic = [&report, diagnosed](const std::string& line) {
    *diagnosed = true;
    report.findings.push_back({ImportFinding::Kind::Problem, "", "", line});
  };
  platform.findings = [&report](const ImportFinding& f) { report.findings.push_back(f); };
  InstallPlatform(std::move(platform));

  const bool launched = LaunchThroughComponentRuntime();
  std::fclose(boxStream);
  report.messages = Lines(std::string(boxes, boxesSize));
  std::free(boxes);
  report.errorLog = ErrorLogLines(folder.path());
  report.wouldWrite = host::SummarizeImport(*plan, installDir);
  report.wouldImport =
      launched && plan->writeCount() > 0 && ui->criticalCount() == 0 && !*diagnosed;
  plan->RollbackImport();
}

}  // namespace

int RunCheck(const CheckOptions& options) {
  CheckReport report;
  report.workbook = AbsolutePath(options.workbook);
  try {
    RunOneCheck(report.workbook, report);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
    return kExitFailed;
  }
  const std::string text = options.json ? CheckReportJson(report) : CheckReportText(report);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return report.wouldImport ? kExitOk : kExitFailed;
}

}  // namespace velloway::app
