// What an import left in the plan, in a few lines for the desktop host's window.
#pragma once

#include <string>

#include "host/SqlitePlan.h"

namespace velloway::app {

std::string PlanSummary(host::SqlitePlan& plan, const std::string& installDir);

}  // namespace velloway::app
