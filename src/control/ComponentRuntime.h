// Our small component runtime: the count of live objects and server locks that decides whether
// the library may be unloaded, and the registration of a class in the registry store.
#pragma once

#include <string>

#include "velloway/registry.h"
#include "velloway/velloway.h"

namespace velloway::com {

// "{6E0B7C1A-52D4-4C1E-9A3F-7D2B5E8C4A10}"
std::string GuidText(const VwGuid& guid);
bool SameGuid(const VwGuid* a, const VwGuid& b);

void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
// True when no object and no lock is alive.
bool CanUnload();

// A creatable class as the registry describes it.
struct ClassRegistration {
  VwGuid clsid;
  std::string progId;
  std::string description;
  std::string serverPath;
};

// Writes the class under the current user's classes: the class key with its server path and
// programmatic identifier, and the programmatic identifier's key naming the class.
void RegisterClass(Registry& registry, const ClassRegistration& registration);
void UnregisterClass(Registry& registry, const ClassRegistration& registration);
// The class identifier text registered for a programmatic identifier, empty when none.
std::string ClassIdOfProgId(Registry& registry, const std::string& progId);

}  // namespace velloway::com
