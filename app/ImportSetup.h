// What the import and the check both do around one Launch: clsVellowayDll made through the
// component entry points, and the problems told by place.
#pragma once

#include <string>

#include "velloway/findings.h"

namespace velloway::app {

std::string AbsolutePath(const std::string& path);

// Creates clsVellowayDll through its class factory and runs one Launch; false when it could not
// be created.
bool LaunchThroughComponentRuntime();

// "SHEET!CELL: FACT", "SHEET: FACT" or "FACT", as far as the place is known.
std::string ProblemLine(const ImportFinding& problem);

}  // namespace velloway::app
