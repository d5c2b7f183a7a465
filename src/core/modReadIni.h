// Reads INI files with the private-profile rules: section, key and file name compared without
// regard to case, blanks around names and values trimmed, values cut to 254 characters.
#pragma once

#include <string>

namespace velloway::modReadIni {

// The value of key in section of the file, or the default when the file, section or key is
// missing or the value is empty.
std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& fileName, const std::string& defaultValue);

// The path of an existing file whose name matches the last part of path without regard to case
// (the path itself when it exists as written); empty when there is none.
std::string ResolveFileNameIgnoringCase(const std::string& path);

}  // namespace velloway::modReadIni
