// The C entry points of the loaded library: registration, the class factory of
// clsVellowayDll, the unload check, and the library-wide state they share.
#include <dlfcn.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <new>

#include "control/ComponentRuntime.h"
#include "core/LibraryState.h"
#include "velloway/clsVellowayDll.h"
#include "velloway/platform.h"
#include "velloway/velloway.h"

extern "C" {
const VwGuid CLSID_clsVellowayDll = {
    0x6E0B7C1A, 0x52D4, 0x4C1E, {0x9A, 0x3F, 0x7D, 0x2B, 0x5E, 0x8C, 0x4A, 0x10}};
const VwGuid IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const VwGuid IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const VwGuid IID_clsVellowayDll = {
    0x3C5D9E27, 0x8B41, 0x4F6A, {0xB2, 0x17, 0x5A, 0x0E, 0x93, 0xC4, 0x6D, 0x81}};
}

namespace velloway {
namespace {

std::mutex stateMutex;
std::unique_ptr<LibraryState> loadedState;

LibraryState* LoadedState() {
  std::lock_guard lock(stateMutex);
  return loadedState.get();
}

com::ClassRegistration Registration() {
  Dl_info info{};
  std::string path;
  if (::dladdr(reinterpret_cast<void*>(&DllGetClassObject), &info) != 0 &&
      info.dli_fname != nullptr) {
    path = info.dli_fname;
  }
  return {CLSID_clsVellowayDll, VW_PROGID_clsVellowayDll, "clsVellowayDll", path};
}

// One clsVellowayDll handed out through the binary interface.
struct VellowayObject {
  VwVellowayDll base;
  std::atomic<uint32_t> refs{1};
  clsVellowayDll impl;
};

VwResult ObjectQueryInterface(VwVellowayDll* self, const VwGuid* iid, void** object);
uint32_t ObjectAddRef(VwVellowayDll* self) {
  return ++reinterpret_cast<VellowayObject*>(self)->refs;
}
uint32_t ObjectRelease(VwVellowayDll* self) {
  auto* object = reinterpret_cast<VellowayObject*>(self);
  const uint32_t left = --object->refs;
  if (left == 0) {
    delete object;
    com::ObjectDestroyed();
  }
  return left;
}
VwResult ObjectLaunch(VwVellowayDll* self) {
  reinterpret_cast<VellowayObject*>(self)->impl.Launch();
  return VW_S_OK;
}
const VwVellowayDllVtbl kObjectVtbl = {ObjectQueryInterface, ObjectAddRef, ObjectRelease,
                                       ObjectLaunch};

VwResult ObjectQueryInterface(VwVellowayDll* self, const VwGuid* iid, void** object) {
  if (object == nullptr) return VW_E_POINTER;
  *object = nullptr;
  if (!com::SameGuid(iid, IID_IUnknown) && !com::SameGuid(iid, IID_clsVellowayDll)) {
    return VW_E_NOINTERFACE;
  }
  ObjectAddRef(self);
  *object = self;
  return VW_S_OK;
}

VwResult FactoryQueryInterface(VwClassFactory* self, const VwGuid* iid, void** object);
// The factory is static: its references only hold the server, as a lock would.
uint32_t FactoryAddRef(VwClassFactory* /*self*/) {
  com::LockServer(true);
  return 2;
}
uint32_t FactoryRelease(VwClassFactory* /*self*/) {
  com::LockServer(false);
  return 1;
}
VwResult FactoryCreateInstance(VwClassFactory* /*self*/, VwUnknown* outer, const VwGuid* iid,
                               void** object) {
  if (object == nullptr) return VW_E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return VW_CLASS_E_NOAGGREGATION;
  LibraryState* state = LoadedState();
  if (state == nullptr) return VW_E_UNEXPECTED;  // no host has installed its platform
  auto* created = new (std::nothrow) VellowayObject{{&kObjectVtbl}, {1}, clsVellowayDll(*state)};
  if (created == nullptr) return VW_E_OUTOFMEMORY;
  com::ObjectCreated();
  const VwResult result = ObjectQueryInterface(&created->base, iid, object);
  ObjectRelease(&created->base);
  return result;
}
VwResult FactoryLockServer(VwClassFactory* /*self*/, int32_t lock) {
  com::LockServer(lock != 0);
  return VW_S_OK;
}
const VwClassFactoryVtbl kFactoryVtbl = {FactoryQueryInterface, FactoryAddRef, FactoryRelease,
                                         FactoryCreateInstance, FactoryLockServer};
VwClassFactory factory = {&kFactoryVtbl};

VwResult FactoryQueryInterface(VwClassFactory* self, const VwGuid* iid, void** object) {
  if (object == nullptr) return VW_E_POINTER;
  *object = nullptr;
  if (!com::SameGuid(iid, IID_IUnknown) && !com::SameGuid(iid, IID_IClassFactory)) {
    return VW_E_NOINTERFACE;
  }
  FactoryAddRef(self);
  *object = self;
  return VW_S_OK;
}

template <typename Action>
VwResult WithRegistry(Action action) {
  LibraryState* state = LoadedState();
  if (state == nullptr || !state->platform.registry) return VW_E_UNEXPECTED;
  try {
    action(*state->platform.registry);
    return VW_S_OK;
  } catch (...) {
    return VW_SELFREG_E_CLASS;
  }
}

}  // namespace

void InstallPlatform(Platform platform) {
  std::lock_guard lock(stateMutex);
  if (loadedState) {
    loadedState->platform = std::move(platform);
  } else {
    loadedState = std::make_unique<LibraryState>(std::move(platform));
  }
}

}  // namespace velloway

using velloway::com::SameGuid;

extern "C" VwResult DllRegisterServer(void) {
  return velloway::WithRegistry(
      [](velloway::Registry& r) { velloway::com::RegisterClass(r, velloway::Registration()); });
}

extern "C" VwResult DllUnregisterServer(void) {
  return velloway::WithRegistry(
      [](velloway::Registry& r) { velloway::com::UnregisterClass(r, velloway::Registration()); });
}

extern "C" VwResult DllGetClassObject(const VwGuid* clsid, const VwGuid* iid, void** object) {
  if (object == nullptr) return VW_E_POINTER;
  *object = nullptr;
  if (!SameGuid(clsid, CLSID_clsVellowayDll)) return VW_CLASS_E_CLASSNOTAVAILABLE;
  return velloway::FactoryQueryInterface(&velloway::factory, iid, object);
}

extern "C" VwResult DllCanUnloadNow(void) {
  return velloway::com::CanUnload() ? VW_S_OK : VW_S_FALSE;
}
