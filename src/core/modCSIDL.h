// Special folders of the user.
#pragma once

#include <cstdint>
#include <string>

namespace velloway {
struct LibraryState;
}

namespace velloway::modCSIDL {

inline constexpr std::int32_t kTemporaryFolder = 255;
inline constexpr std::int32_t CSIDL_PERSONAL = 5;
inline constexpr std::int32_t CSIDL_APPDATA = 26;
inline constexpr std::int32_t CSIDL_LOCAL_APPDATA = 28;

// The folder without a trailing separator: 255 is the temporary folder (the platform's, else
// $TMPDIR, else /tmp); the user's documents, configuration and data folders follow the XDG
// rules; any other identifier gives the empty text.
std::string GetSpecialFolder(LibraryState& state, std::int32_t folderId);

}  // namespace velloway::modCSIDL
