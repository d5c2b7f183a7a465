#include "core/modRegistry.h"

#include "core/LibraryState.h"
#include "core/Utf8.h"

namespace velloway::modRegistry {
namespace {
// The query buffer holds 2048 characters, the terminating zero included.
constexpr std::size_t kMaxCharacters = 2047;
}  // namespace

std::string ReadRegistryString(LibraryState& state, RegistryHive hive, const std::string& keyPath,
                               const std::string& valueName, const std::string& defaultValue) {
  if (!state.platform.registry) return defaultValue;
  try {
    const auto value = state.platform.registry->ReadString(hive, keyPath, valueName);
    if (!value || CharacterCount(*value) > kMaxCharacters) return defaultValue;
    return *value;
  } catch (const std::exception&) {
    return defaultValue;
  }
}

}  // namespace velloway::modRegistry
