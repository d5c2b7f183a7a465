// Fuzzes the settings store file: the input is the file. A file that reads takes a write and
// gives back what was written; a damaged one is refused and left byte for byte as it was.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "host/FileRegistry.h"
#include "support/TempDir.h"

namespace {

const char* const kKey = "Control Panel\\International";
const char* const kValue = "a \"quoted\"\\ value\nover two lines";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velloway::RegistryHive;
  const std::string path = velloway::fuzz::WriteScratch(data, size, ".reg");
  velloway::host::FileRegistry registry(path);
  try {
    registry.ReadString(RegistryHive::CurrentUser, kKey, "sDecimal");
  } catch (const velloway::host::RegistryError&) {
    if (velloway::test::ReadFile(path) != std::string(reinterpret_cast<const char*>(data), size))
      __builtin_trap();
    return 0;
  }
  registry.WriteString(RegistryHive::CurrentUser, kKey, "sDecimal", kValue);
  if (registry.ReadString(RegistryHive::CurrentUser, kKey, "SDECIMAL") != kValue) __builtin_trap();
  registry.DeleteKey(RegistryHive::CurrentUser, "control panel");
  if (registry.ReadString(RegistryHive::CurrentUser, kKey, "sDecimal")) __builtin_trap();
  return 0;
}
