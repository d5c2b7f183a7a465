// What the import and the check both do around one Launch: the workbook path where the import
// looks for it, and clsVellowayDll made through the component entry points.
#pragma once

#include <string>

#include "host/FileRegistry.h"
#include "velloway/findings.h"

namespace velloway::app {

std::string AbsolutePath(const std::string& path);

// Writes the workbook path under the host's working key read from the installation folder's
// INI file; without a working key it writes nothing (the import itself tells the user).
void StoreWorkbookPath(host::FileRegistry& registry, const std::string& installDir,
                       const std::string& workbook);

// Creates clsVellowayDll through its class factory and runs one Launch; false when it could not
// be created.
bool LaunchThroughComponentRuntime();

// "SHEET!CELL: FACT", "SHEET: FACT" or "FACT", as far as the place is known.
std::string ProblemLine(const ImportFinding& problem);

}  // namespace velloway::app
