// A host built against the installed library only: it hands the library a platform of its own
// (a plan that counts what it is given, registry values in memory, boxes on stderr answered No,
// so no error log is opened), then creates clsVellowayDll through the C entry points and calls
// Launch.
//
//   velloway_host INSTALL_FOLDER WORKBOOK    exit 0 when the import wrote into the plan
#include <velloway/platform.h>
#include <velloway/velloway.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// The host application and its one plan, which counts what it is given.
class TinyHost : public velloway::HostApplication,
                 public velloway::Plan,
                 public std::enable_shared_from_this<TinyHost> {
 public:
  explicit TinyHost(std::string folder) : folder_(std::move(folder)) {}
  std::shared_ptr<velloway::Plan> ActivePlan() override { return shared_from_this(); }
  void SetFormActive(bool) override {}
  std::string InstallFolder() override { return folder_; }
  std::int32_t MainWindowHandle() override { return 1; }
  std::string PlanFileName() override { return "/plans/tiny.plan"; }
  void SavePlan() override {}
  void WriteAppValue(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
    ++writes;
  }
  void WriteAppData(const std::string&, const std::string&) override { ++writes; }
  int writes = 0;

 private:
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  auto host = std::make_shared<TinyHost>(argv[1]);
  auto registry = std::make_shared<MemoryRegistry>();
  // The import reads the workbook path under the working key of the shipped INI file.
  registry->WriteString(velloway::RegistryHive::CurrentUser,
                        "SOFTWARE\\Kestrion Software\\Velloway\\RiskRegister", "ExcelImportPath",
                        argv[2]);
  velloway::Platform platform;
  platform.createHostApplication = [host] { return host; };
  platform.registry = registry;
  platform.ui = std::make_shared<StderrBoxes>();
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
  std::printf("%d values written\n", host->writes);
  return host->writes > 0 ? 0 : 1;
}
