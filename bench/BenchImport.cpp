#include "BenchImport.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>

#include "control/modSubMain.h"
#include "core/LibraryState.h"
#include "host/ReferenceHost.h"
#include "host/SqlitePlan.h"
#include "velloway/platform.h"

namespace velloway::bench {
namespace {

// A registry in memory: a benchmark must not touch the user's settings.
class MemoryRegistry : public Registry {
 public:
  std::optional<std::string> ReadString(RegistryHive, const std::string& key,
                                        const std::string& name) override {
    const auto it = values_.find(key + "|" + name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void WriteString(RegistryHive, const std::string& key, const std::string& name,
                   const std::string& value) override {
    values_[key + "|" + name] = value;
  }
  void DeleteKey(RegistryHive, const std::string&) override {}

 private:
  std::map<std::string, std::string> values_;
};

// Prints every box, so that a benchmark run that went wrong says so, and answers No.
class PrintingUI : public UserInterface {
 public:
  MsgAnswer MessageBox(const std::string& text, MsgIcon, MsgButtons, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return MsgAnswer::No;
  }
};

class FixedClock : public Clock {
 public:
  CivilTime Now() override { return {2026, 12, 6, 9, 0, 0}; }
};

}  // namespace

void Row(lxw_worksheet* ws, lxw_row_t row, const std::vector<std::string>& texts) {
  for (std::size_t column = 0; column < texts.size(); ++column) {
    if (texts[column].empty()) continue;
    worksheet_write_string(ws, row, static_cast<lxw_col_t>(column), texts[column].c_str(), nullptr);
  }
}

ImportRun TimeImport(const std::filesystem::path& folder, const std::string& workbook,
                     const std::string& iniText) {
  const std::string planPath = (folder / "plan.db").string();
  std::filesystem::remove(planPath);
  std::ofstream(folder / "Kestrion.ini") << iniText;
  auto plan = host::SqlitePlan::Open(planPath, host::SqlitePlan::Mode::OpenOrCreate);
  auto registry = std::make_shared<MemoryRegistry>();
  registry->WriteString(RegistryHive::CurrentUser,
                        "SOFTWARE\\Kestrion Software\\Bench\\RiskRegister", "ExcelImportPath",
                        workbook);
  Platform platform;
  platform.createHostApplication = [plan, folder] {
    return std::make_shared<host::ReferenceHost>(plan, folder.string());
  };
  platform.registry = registry;
  platform.ui = std::make_shared<PrintingUI>();
  platform.clock = std::make_shared<FixedClock>();
  LibraryState state(platform);

  const auto start = std::chrono::steady_clock::now();
  plan->BeginImport();
  modSubMain::Main(state);
  plan->CommitImport();
  ImportRun run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.planWrites = plan->writeCount();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return run;
}

}  // namespace velloway::bench
