#include "app/ImportSetup.h"

#include <unistd.h>

#include <climits>

#include "velloway/velloway.h"

namespace velloway::app {

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path.front() == '/') return path;
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return path;
  return std::string(cwd) + "/" + path;
}

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

std::string ProblemLine(const ImportFinding& problem) {
  if (problem.sheet.empty()) return problem.fact;
  const std::string place =
      problem.cell.empty() ? problem.sheet : problem.sheet + "!" + problem.cell;
  return place + ": " + problem.fact;
}

}  // namespace velloway::app
