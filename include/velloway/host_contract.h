// What a host and the library agree on besides the component interfaces: the installation file
// that names the host's working key, and the registry value through which the host hands over
// the workbook to import.
#pragma once

#include <string>

#include "velloway/export.h"
#include "velloway/registry.h"

namespace velloway {

// In the installation folder; its [RegPath] WorkingKey names the host's working key.
inline constexpr const char* kInstallationFileName = "Kestrion.ini";
inline constexpr const char* kWorkingKeySection = "RegPath";
inline constexpr const char* kWorkingKeyName = "WorkingKey";
// The working key's registry path is this prefix and the key's name.
inline constexpr const char* kWorkingKeyPrefix = "SOFTWARE\\Kestrion Software\\";
// Under the working key: the key and value that hold the path of the workbook to import.
inline constexpr const char* kImportPathKey = "RiskRegister";
inline constexpr const char* kImportPathValue = "ExcelImportPath";

// The registry path of the working key that the installation file in installFolder names;
// empty when it names none.
VELLOWAY_API std::string WorkingKeyPath(const std::string& installFolder);

// Writes workbookPath where the import looks for it, under the current user's working key.
// False, writing nothing, when the installation file names no working key (the import itself
// then tells the user). Registry errors pass to the caller.
VELLOWAY_API bool StoreImportPath(Registry& registry, const std::string& installFolder,
                                  const std::string& workbookPath);

}  // namespace velloway
