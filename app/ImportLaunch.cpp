#include "app/ImportLaunch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "host/ReferenceHost.h"
#include "host/SystemServices.h"
#include "velloway/host_contract.h"
#include "velloway/platform.h"
#include "velloway/velloway.h"

namespace velloway::app {
namespace {

const char* const kInternationalKey = "Control Panel\\International";

// Creates clsVellowayDll through its class factory and runs one Launch.
bool LaunchThroughComponentRuntime() {
  void* factoryPointer = nullptr;
  if (DllGetClassObject(&CLSID_clsVellowayDll, &IID_IClassFactory, &factoryPointer) != VW_S_OK) {
    return false;
  }
  auto* factory = static_cast<VwClassFactory*>(factoryPointer);
  void* objectPointer = nullptr;
  const VwResult created =
      factory->vtbl->CreateInstance(factory, nullptr, &IID_clsVellowayDll, &objectPointer);
  factory->vtbl->Release(factory);
  if (created != VW_S_OK) return false;
  auto* object = static_cast<VwVellowayDll*>(objectPointer);
  object->vtbl->Launch(object);
  object->vtbl->Release(object);
  return true;
}

}  // namespace

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path.front() == '/') return path;
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return path;
  return std::string(cwd) + "/" + path;
}

std::string DefaultInstallDir() {
  char self[PATH_MAX] = {};
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n > 0) {
    std::string dir(self, static_cast<std::size_t>(n));
    dir = dir.substr(0, dir.find_last_of('/'));
    std::string installed = dir + "/../share/velloway";
    struct stat info {};
    if (::stat((installed + "/" + kInstallationFileName).c_str(), &info) == 0) return installed;
  }
  return VELLOWAY_SOURCE_SHARE;
}

ImportOutcome RunLaunch(const ImportRequest& request, const ImportScreens& screens) {
  ImportOutcome outcome;
  auto registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  try {
    // Without a working key nothing is stored: the import itself tells the user.
    StoreImportPath(*registry, request.installDir, request.workbook);
    outcome.plan = host::SqlitePlan::Open(request.plan, host::SqlitePlan::Mode::OpenOrCreate);
    outcome.plan->BeginImport();
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
  platform.diagnostic = [report = screens.report, diagnosed](const std::string& line) {
    *diagnosed = true;
    report(line);
  };
  InstallPlatform(std::move(platform));

  const bool launched = LaunchThroughComponentRuntime();
  application->Open(nullptr, request.installDir, screens.mainWindow);
  outcome.diagnosed = *diagnosed;
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
