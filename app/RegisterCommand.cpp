// velloway register / unregister: the component registration in the registry store.
// velloway repair-settings: the user's settings that a killed import left forced, given back.
#include <cstdio>
#include <memory>

#include "app/Commands.h"
#include "host/FileRegistry.h"
#include "velloway/platform.h"
#include "velloway/velloway.h"

namespace velloway::app {

int RunRegistration(bool registerClass) {
  auto registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  Platform platform;
  platform.registry = registry;
  InstallPlatform(std::move(platform));
  const VwResult result = registerClass ? DllRegisterServer() : DllUnregisterServer();
  if (result != VW_S_OK) {
    std::fprintf(stderr, "velloway: %s failed (code 0x%08X); is '%s' readable and writable?\n",
                 registerClass ? "registration" : "unregistration", static_cast<unsigned>(result),
                 registry->path().c_str());
    return kExitFailed;
  }
  std::printf("%s %s in %s\n", VW_PROGID_clsVellowayDll,
              registerClass ? "registered" : "unregistered", registry->path().c_str());
  return kExitOk;
}

int RunRepairSettings() {
  auto registry = std::make_shared<host::FileRegistry>(host::FileRegistry::DefaultPath());
  try {
    // A damaged store is named here; the repair itself stays silent about it.
    registry->ReadString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
    return kExitFailed;
  }
  if (const auto restored = RepairUserSettings(registry)) {
    std::printf(
        "the decimal separator '%s' was given back: the import that forced it had stopped\n",
        restored->c_str());
  } else {
    std::printf("nothing to repair: no stopped import left a setting forced\n");
  }
  return kExitOk;
}

}  // namespace velloway::app
