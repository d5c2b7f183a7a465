// Fuzzes the INI reader: the input is the file, and the host's own settings and a few others
// are looked up in it. A value is never longer than 254 characters.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/Utf8.h"
#include "core/modReadIni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = velloway::fuzz::WriteScratch(data, size, ".ini");
  const std::pair<const char*, const char*> lookups[] = {
      {"RegPath", "WorkingKey"}, {"XML", "SchemaValidationOn"}, {"", ""}, {"a b", "=x"}};
  for (const auto& [section, key] : lookups) {
    const std::string value = velloway::modReadIni::ReadIniValue(section, key, path, "");
    if (velloway::CharacterCount(value) > 254) __builtin_trap();
  }
  return 0;
}
