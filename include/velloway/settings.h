// The INI reading rules of the library, for hosts that keep their settings in the same file.
#pragma once

#include <string>

#include "velloway/export.h"

namespace velloway {

// The value of key in section of an INI file (file name, section and key without regard to
// case, blanks trimmed, cut to 254 characters), or the default.
VELLOWAY_API std::string ReadIniSetting(const std::string& section, const std::string& key,
                                        const std::string& fileName,
                                        const std::string& defaultValue);

}  // namespace velloway
