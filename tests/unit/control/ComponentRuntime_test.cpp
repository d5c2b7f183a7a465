#include "control/ComponentRuntime.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"
#include "velloway/velloway.h"

namespace velloway {
namespace {

// The entry points share the loaded library's state, so one test drives them all in order. Launch
// through them is what every import of the command does.
TEST(ComponentEntryPoints, RegisterCreateReleaseUnregister) {
  test::FakePlatform fakes;
  InstallPlatform(fakes.platform);

  ASSERT_EQ(DllRegisterServer(), VW_S_OK);
  const std::string clsid = com::GuidText(CLSID_clsVellowayDll);
  EXPECT_EQ(com::ClassIdOfProgId(*fakes.registry, "vellowaydll.CLSVELLOWAYDLL"), clsid);
  EXPECT_EQ(fakes.registry->ReadString(RegistryHive::CurrentUser,
                                       "Software\\Classes\\CLSID\\" + clsid + "\\ProgID", ""),
            VW_PROGID_clsVellowayDll);

  void* unknown = nullptr;
  EXPECT_EQ(DllGetClassObject(&IID_IUnknown, &IID_IClassFactory, &unknown),
            VW_CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(unknown, nullptr);

  void* factoryPointer = nullptr;
  ASSERT_EQ(DllGetClassObject(&CLSID_clsVellowayDll, &IID_IClassFactory, &factoryPointer), VW_S_OK);
  auto* factory = static_cast<VwClassFactory*>(factoryPointer);
  EXPECT_EQ(DllCanUnloadNow(), VW_S_FALSE);  // the factory reference holds the server

  void* objectPointer = nullptr;
  EXPECT_EQ(factory->vtbl->CreateInstance(factory, nullptr, &IID_IClassFactory, &objectPointer),
            VW_E_NOINTERFACE);
  ASSERT_EQ(factory->vtbl->CreateInstance(factory, nullptr, &IID_clsVellowayDll, &objectPointer),
            VW_S_OK);
  factory->vtbl->Release(factory);
  auto* object = static_cast<VwVellowayDll*>(objectPointer);
  EXPECT_EQ(DllCanUnloadNow(), VW_S_FALSE);  // a live object

  EXPECT_EQ(object->vtbl->Release(object), 0u);
  EXPECT_EQ(DllCanUnloadNow(), VW_S_OK);

  ASSERT_EQ(DllUnregisterServer(), VW_S_OK);
  EXPECT_EQ(com::ClassIdOfProgId(*fakes.registry, VW_PROGID_clsVellowayDll), "");
}

}  // namespace
}  // namespace velloway
