// The per-user registry store as a text file under the user's config folder, in the familiar
// export form: "[HKEY_CURRENT_USER\Key\Path]" headers, then "name"="value" lines ("@" is the
// key's default value). Names compare without regard to case; every write rewrites the file
// through a temporary file, so a crash never leaves it half-written.
#pragma once

#include <map>
#include <stdexcept>
#include <string>

#include "velloway/registry.h"

namespace velloway::host {

// The store cannot be read (damaged) or written. A damaged file is never overwritten.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileRegistry : public Registry {
 public:
  explicit FileRegistry(std::string path) : path_(std::move(path)) {}
  // $XDG_CONFIG_HOME/velloway/registry.reg, else ~/.config/velloway/registry.reg.
  static std::string DefaultPath();

  std::optional<std::string> ReadString(RegistryHive hive, const std::string& keyPath,
                                        const std::string& valueName) override;
  void WriteString(RegistryHive hive, const std::string& keyPath, const std::string& valueName,
                   const std::string& value) override;
  void DeleteKey(RegistryHive hive, const std::string& keyPath) override;
  // Holds an exclusive lock on "PATH.lock" (flock) while change runs; nested calls in this
  // object reuse the lock. Every write takes it, so two processes never lose each other's values.
  void Exclusive(const std::function<void()>& change) override;

  const std::string& path() const { return path_; }

 private:
  struct Key {
    std::string name;                                                   // as first written
    std::map<std::string, std::pair<std::string, std::string>> values;  // upper name -> name, value
  };
  using Keys = std::map<std::string, Key>;  // upper-cased path -> key
  Keys Load() const;
  void Save(const Keys& keys) const;
  std::string path_;
  int lockDepth_ = 0;
};

}  // namespace velloway::host
