// Reads string values from the registry store with the platform's limits.
#pragma once

#include <string>

#include "velloway/registry.h"

namespace velloway {
struct LibraryState;
}

namespace velloway::modRegistry {

// The value's text, or the default when the key or value is missing, the value is longer than
// 2047 characters, or the store cannot be read.
std::string ReadRegistryString(LibraryState& state, RegistryHive hive, const std::string& keyPath,
                               const std::string& valueName, const std::string& defaultValue);

}  // namespace velloway::modRegistry
