// The per-user settings store that stands in for the platform registry.
#pragma once

#include <optional>
#include <string>

#include "velloway/export.h"

namespace velloway {

enum class RegistryHive { CurrentUser };

// Key paths use "\" between levels. Key paths and value names compare without regard to case.
// Implementations throw RegistryError when the store itself cannot be read or written.
class VELLOWAY_API Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<std::string> ReadString(RegistryHive hive, const std::string& keyPath,
                                                const std::string& valueName) = 0;
  // Creates the key (and its parents) when missing.
  virtual void WriteString(RegistryHive hive, const std::string& keyPath,
                           const std::string& valueName, const std::string& value) = 0;
  // Removes the key with everything under it; a missing key is not an error.
  virtual void DeleteKey(RegistryHive hive, const std::string& keyPath) = 0;
};

}  // namespace velloway
