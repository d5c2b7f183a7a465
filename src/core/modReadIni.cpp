#include "core/modReadIni.h"

#include <dirent.h>
#include <sys/stat.h>

#include <fstream>
#include <memory>

#include "core/Utf8.h"
#include "velloway/settings.h"

namespace velloway::modReadIni {
namespace {

// A value is cut as a 255-character buffer with its terminating zero cuts it.
constexpr std::size_t kMaxValueCharacters = 254;

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A value in matching quotes loses them, as the platform's reader does.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string FindValue(std::istream& in, std::string_view section, std::string_view key) {
  std::string line;
  bool inSection = false;
  bool firstLine = true;
  while (std::getline(in, line)) {
    std::string_view view(line);
    if (firstLine && view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3);
    firstLine = false;
    if (!view.empty() && view.back() == '\r') view.remove_suffix(1);
    view = TrimBlanks(view);
    if (view.empty() || view.front() == ';') continue;
    if (view.front() == '[') {
      const auto close = view.find(']');
      if (close == std::string_view::npos) continue;
      inSection = EqualsIgnoringCase(TrimBlanks(view.substr(1, close - 1)), section);
      continue;
    }
    const auto equals = view.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    if (EqualsIgnoringCase(TrimBlanks(view.substr(0, equals)), key)) {
      return std::string(Unquote(TrimBlanks(view.substr(equals + 1))));
    }
  }
  return {};
}

}  // namespace

std::string ResolveFileNameIgnoringCase(const std::string& path) {
  if (IsRegularFile(path)) return path;
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "/" : folder.c_str()),
                                          ::closedir);
  if (!dir) return {};
  while (const dirent* entry = ::readdir(dir.get())) {
    if (EqualsIgnoringCase(entry->d_name, name)) {
      std::string candidate = folder + "/" + entry->d_name;
      if (IsRegularFile(candidate)) return candidate;
    }
  }
  return {};
}

std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& fileName, const std::string& defaultValue) {
  const std::string resolved = ResolveFileNameIgnoringCase(fileName);
  if (resolved.empty()) return defaultValue;
  std::ifstream in(resolved, std::ios::binary);
  if (!in) return defaultValue;
  const std::string value = FirstCharacters(FindValue(in, section, key), kMaxValueCharacters);
  return value.empty() ? defaultValue : value;
}

}  // namespace velloway::modReadIni

namespace velloway {
std::string ReadIniSetting(const std::string& section, const std::string& key,
                           const std::string& fileName, const std::string& defaultValue) {
  return modReadIni::ReadIniValue(section, key, fileName, defaultValue);
}
}  // namespace velloway
