#include "host/FileRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace velloway::host {
namespace {

// Key paths and value names compare with ASCII letters folded, as the platform does.
std::string AsciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return text;
}

const char* const kHiveName = "HKEY_CURRENT_USER";
const char* const kHeader = "Velloway Registry 1";

std::string Escape(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

// Reads a quoted text starting at pos (at the opening quote); pos ends after the closing one.
bool ReadQuoted(const std::string& line, std::size_t& pos, std::string& out) {
  if (pos >= line.size() || line[pos] != '"') return false;
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (++pos >= line.size()) return false;
      c = line[pos];
      if (c == 'n')
        c = '\n';
      else if (c == 'r')
        c = '\r';
      else if (c != '"' && c != '\\')
        return false;
    }
    out += c;
  }
  return false;
}

void MakeParentFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0700);
  }
}

// Writes the whole text to a new file and makes it durable before it replaces the store: after
// a crash or a power cut the store holds either the old or the new text.
void WriteDurably(const std::string& path, const std::string& text) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0)
    throw RegistryError("cannot write the registry file '" + path + "': " + std::strerror(errno));
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool ok = done == text.size() && ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!ok) {
    ::unlink(path.c_str());
    throw RegistryError("cannot write the registry file '" + path + "': " + std::strerror(error));
  }
}

void SyncFolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string FileRegistry::DefaultPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder = config != nullptr && *config != '\0' ? config : "";
  if (folder.empty()) {
    const char* home = std::getenv("HOME");
    folder = std::string(home != nullptr ? home : "") + "/.config";
  }
  return folder + "/velloway/registry.reg";
}

FileRegistry::Keys FileRegistry::Load() const {
  Keys keys;
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    if (errno == ENOENT) return keys;
    throw RegistryError("cannot read the registry file '" + path_ + "': " + std::strerror(errno));
  }
  std::string line;
  Key* current = nullptr;
  int number = 0;
  auto damaged = [&](const char* what) {
    return RegistryError("the registry file '" + path_ + "' is damaged at line " +
                         std::to_string(number) + ": " + what + "; it was left as it is");
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1) {
      if (line != kHeader) throw damaged("unknown first line");
      continue;
    }
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const std::string prefix = std::string("[") + kHiveName + "\\";
      if (line.back() != ']' || line.compare(0, prefix.size(), prefix) != 0) {
        throw damaged("a key header must read [HKEY_CURRENT_USER\\...]");
      }
      const std::string name = line.substr(prefix.size(), line.size() - prefix.size() - 1);
      current = &keys[AsciiUpper(name)];
      current->name = name;
      continue;
    }
    if (current == nullptr) throw damaged("a value before any key");
    std::size_t pos = 0;
    std::string name, value;
    if (line[0] == '@') {
      pos = 1;
    } else if (!ReadQuoted(line, pos, name)) {
      throw damaged("a value name must be quoted");
    }
    if (pos >= line.size() || line[pos] != '=') throw damaged("'=' expected after the name");
    ++pos;
    if (!ReadQuoted(line, pos, value) || pos != line.size()) throw damaged("a bad value text");
    current->values[AsciiUpper(name)] = {name, value};
  }
  return keys;
}

void FileRegistry::Save(const Keys& keys) const {
  std::ostringstream out;
  out << kHeader << "\n";
  for (const auto& [upper, key] : keys) {
    out << "\n[" << kHiveName << "\\" << key.name << "]\n";
    for (const auto& [upperName, entry] : key.values) {
      out << (entry.first.empty() ? std::string("@") : "\"" + Escape(entry.first) + "\"") << "=\""
          << Escape(entry.second) << "\"\n";
    }
  }
  MakeParentFolders(path_);
  const std::string temporary = path_ + ".tmp" + std::to_string(::getpid());
  WriteDurably(temporary, out.str());
  if (std::rename(temporary.c_str(), path_.c_str()) != 0) {
    ::unlink(temporary.c_str());
    throw RegistryError("cannot replace the registry file '" + path_ +
                        "': " + std::strerror(errno));
  }
  SyncFolderOf(path_);
}

void FileRegistry::Exclusive(const std::function<void()>& change) {
  if (lockDepth_ > 0) {
    change();
    return;
  }
  MakeParentFolders(path_);
  const std::string lockPath = path_ + ".lock";
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    throw RegistryError("cannot lock the registry file '" + lockPath +
                        "': " + std::strerror(errno));
  }
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  ++lockDepth_;
  try {
    change();
  } catch (...) {
    --lockDepth_;
    ::close(fd);  // closing the last descriptor releases the lock
    throw;
  }
  --lockDepth_;
  ::close(fd);
}

std::optional<std::string> FileRegistry::ReadString(RegistryHive /*hive*/,
                                                    const std::string& keyPath,
                                                    const std::string& valueName) {
  const Keys keys = Load();
  const auto key = keys.find(AsciiUpper(keyPath));
  if (key == keys.end()) return std::nullopt;
  const auto value = key->second.values.find(AsciiUpper(valueName));
  if (value == key->second.values.end()) return std::nullopt;
  return value->second.second;
}

void FileRegistry::WriteString(RegistryHive /*hive*/, const std::string& keyPath,
                               const std::string& valueName, const std::string& value) {
  Exclusive([&] {
    Keys keys = Load();
    Key& key = keys[AsciiUpper(keyPath)];
    if (key.name.empty()) key.name = keyPath;
    auto& entry = key.values[AsciiUpper(valueName)];
    if (entry.first.empty()) entry.first = valueName;
    entry.second = value;
    Save(keys);
  });
}

void FileRegistry::DeleteKey(RegistryHive /*hive*/, const std::string& keyPath) {
  Exclusive([&] {
    Keys keys = Load();
    const std::string upper = AsciiUpper(keyPath);
    const auto erased = std::erase_if(keys, [&](const auto& entry) {
      return entry.first == upper || entry.first.compare(0, upper.size() + 1, upper + "\\") == 0;
    });
    if (erased > 0) Save(keys);
  });
}

}  // namespace velloway::host
