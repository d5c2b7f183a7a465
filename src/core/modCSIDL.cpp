#include "core/modCSIDL.h"

#include <cstdlib>

#include "core/LibraryState.h"

namespace velloway::modCSIDL {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string XdgFolder(const char* variable, const char* underHome) {
  std::string folder = Env(variable);
  if (folder.empty()) folder = Env("HOME") + underHome;
  return WithoutTrailingSlash(folder);
}

}  // namespace

std::string GetSpecialFolder(LibraryState& state, std::int32_t folderId) {
  switch (folderId) {
    case kTemporaryFolder: {
      std::string folder = state.platform.tempFolder;
      if (folder.empty()) folder = Env("TMPDIR");
      if (folder.empty()) folder = "/tmp";
      return WithoutTrailingSlash(folder);
    }
    case CSIDL_PERSONAL:
      return XdgFolder("XDG_DOCUMENTS_DIR", "/Documents");
    case CSIDL_APPDATA:
      return XdgFolder("XDG_CONFIG_HOME", "/.config");
    case CSIDL_LOCAL_APPDATA:
      return XdgFolder("XDG_DATA_HOME", "/.local/share");
    default:
      return {};
  }
}

}  // namespace velloway::modCSIDL
