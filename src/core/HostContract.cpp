// The host contract of include/velloway/host_contract.h.
#include "core/modReadIni.h"
#include "velloway/host_contract.h"

namespace velloway {

std::string WorkingKeyPath(const std::string& installFolder) {
  const std::string iniPath = installFolder + "/" + kInstallationFileName;
  const std::string key =
      modReadIni::ReadIniValue(kWorkingKeySection, kWorkingKeyName, iniPath, "");
  return key.empty() ? std::string() : kWorkingKeyPrefix + key;
}

bool StoreImportPath(Registry& registry, const std::string& installFolder,
                     const std::string& workbookPath) {
  const std::string workingKey = WorkingKeyPath(installFolder);
  if (workingKey.empty()) return false;
  registry.WriteString(RegistryHive::CurrentUser, workingKey + "\\" + kImportPathKey,
                       kImportPathValue, workbookPath);
  return true;
}

}  // namespace velloway
