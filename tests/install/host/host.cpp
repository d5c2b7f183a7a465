// A host built against the installed library only: it hands the library a platform of its own
// (a plan that counts what it is given, registry values in memory, boxes on stderr), then creates
// clsVellowayDll through the C entry points and calls Launch.
//
//   velloway_host INSTALL_FOLDER WORKBOOK    exit 0 when the import wrote into the plan
#include <velloway/platform.h>
#include <velloway/velloway.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

class CountingPlan : public velloway::Plan {
 public:
  std::string PlanFileName() override { return "/plans/tiny.plan"; }
  void SavePlan() override {}
  void WriteAppValue(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
    ++writes;
  }
  void WriteAppData(const std::string&, const std::string&) override { ++writes; }
  int writes = 0;
};

class TinyHost : public velloway::HostApplication {
 public:
  TinyHost(std::shared_ptr<CountingPlan> plan, std::string folder)
      : plan_(std::move(plan)), folder_(std::move(folder)) {}
  std::shared_ptr<velloway::Plan> ActivePlan() override { return plan_; }
  void SetFormActive(bool) override {}
  std::string InstallFolder() override { return folder_; }
  std::int32_t MainWindowHandle() override { return 1; }

 private:
  std::shared_ptr<CountingPlan> plan_;
  std::string folder_;
};

class MemoryRegistry : public velloway::Registry {
 public:
  std::optional<std::string> ReadString(velloway::RegistryHive, const std::string& key,
                                        const std::string& name) override {
    const auto found = values_.find(key + "\\" + name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void WriteString(velloway::RegistryHive, const std::string& key, const std::string& name,
                   const std::string& value) override {
    values_[key + "\\" + name] = value;
  }
  void DeleteKey(velloway::RegistryHive, const std::string&) override {}

 private:
  std::map<std::string, std::string> values_;
};

class StderrBoxes : public velloway::UserInterface {
 public:
  velloway::MsgAnswer MessageBox(const std::string& text, velloway::MsgIcon, velloway::MsgButtons,
                                 const std::string&) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return velloway::MsgAnswer::No;
  }
};

class NoViewer : public velloway::LogViewer {
 public:
  void Open(const std::string&) override {}
};

class FixedClock : public velloway::Clock {
 public:
  velloway::CivilTime Now() override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  auto plan = std::make_shared<CountingPlan>();
  auto registry = std::make_shared<MemoryRegistry>();
  // The import reads the workbook path under the working key of the shipped INI file.
  registry->WriteString(velloway::RegistryHive::CurrentUser,
                        "SOFTWARE\\Kestrion Software\\Velloway\\RiskRegister", "ExcelImportPath",
                        argv[2]);
  velloway::Platform platform;
  const std::string folder = argv[1];
  platform.createHostApplication = [plan, folder] {
    return std::make_shared<TinyHost>(plan, folder);
  };
  platform.registry = registry;
  platform.ui = std::make_shared<StderrBoxes>();
  platform.logViewer = std::make_shared<NoViewer>();
  platform.clock = std::make_shared<FixedClock>();
  velloway::InstallPlatform(std::move(platform));

  void* factory = nullptr;
  if (DllGetClassObject(&CLSID_clsVellowayDll, &IID_IClassFactory, &factory) != VW_S_OK) return 1;
  auto* classFactory = static_cast<VwClassFactory*>(factory);
  void* object = nullptr;
  const VwResult made =
      classFactory->vtbl->CreateInstance(classFactory, nullptr, &IID_clsVellowayDll, &object);
  classFactory->vtbl->Release(classFactory);
  if (made != VW_S_OK) return 1;
  auto* dll = static_cast<VwVellowayDll*>(object);
  dll->vtbl->Launch(dll);
  dll->vtbl->Release(dll);
  std::printf("%d values written\n", plan->writes);
  return plan->writes > 0 ? 0 : 1;
}
