// A settings store kept in memory, for hosts that must not touch the user's settings (the
// benchmarks, the fuzz targets). Names compare as written.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "velloway/registry.h"

namespace velloway::host {

class MemoryRegistry : public Registry {
 public:
  std::optional<std::string> ReadString(RegistryHive, const std::string& key,
                                        const std::string& name) override {
    const auto it = values_.find(key + "|" + name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void WriteString(RegistryHive, const std::string& key, const std::string& name,
                   const std::string& value) override {
    values_[key + "|" + name] = value;
  }
  void DeleteKey(RegistryHive, const std::string& key) override {
    std::erase_if(values_, [&](const auto& entry) {
      return entry.first.rfind(key + "|", 0) == 0 || entry.first.rfind(key + "\\", 0) == 0;
    });
  }

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace velloway::host
