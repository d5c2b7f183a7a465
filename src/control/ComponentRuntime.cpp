#include "control/ComponentRuntime.h"

#include <atomic>
#include <cstdio>

namespace velloway::com {
namespace {

std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

const char* const kClassesRoot = "Software\\Classes\\";

}  // namespace

std::string GuidText(const VwGuid& g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

bool SameGuid(const VwGuid* a, const VwGuid& b) {
  if (a == nullptr) return false;
  if (a->Data1 != b.Data1 || a->Data2 != b.Data2 || a->Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a->Data4[i] != b.Data4[i]) return false;
  }
  return true;
}

void ObjectCreated() { ++liveObjects; }
void ObjectDestroyed() { --liveObjects; }
void LockServer(bool lock) { serverLocks += lock ? 1 : -1; }
bool CanUnload() { return liveObjects.load() == 0 && serverLocks.load() == 0; }

void RegisterClass(Registry& registry, const ClassRegistration& r) {
  const auto hive = RegistryHive::CurrentUser;
  const std::string classKey = std::string(kClassesRoot) + "CLSID\\" + GuidText(r.clsid);
  registry.WriteString(hive, classKey, "", r.description);
  registry.WriteString(hive, classKey + "\\InprocServer32", "", r.serverPath);
  registry.WriteString(hive, classKey + "\\InprocServer32", "ThreadingModel", "Apartment");
  registry.WriteString(hive, classKey + "\\ProgID", "", r.progId);
  registry.WriteString(hive, kClassesRoot + r.progId, "", r.description);
  registry.WriteString(hive, kClassesRoot + r.progId + "\\CLSID", "", GuidText(r.clsid));
}

void UnregisterClass(Registry& registry, const ClassRegistration& r) {
  const auto hive = RegistryHive::CurrentUser;
  registry.DeleteKey(hive, std::string(kClassesRoot) + "CLSID\\" + GuidText(r.clsid));
  registry.DeleteKey(hive, kClassesRoot + r.progId);
}

std::string ClassIdOfProgId(Registry& registry, const std::string& progId) {
  return registry.ReadString(RegistryHive::CurrentUser, kClassesRoot + progId + "\\CLSID", "")
      .value_or("");
}

}  // namespace velloway::com
