// Access to the host's objects: the application object is created on first use and kept; the
// plan is fetched afresh for every operation and never cached.
#pragma once

#include "velloway/host_application.h"

namespace velloway {

struct LibraryState;

// The host application object; throws when the host cannot provide one.
HostApplication& HostApp(LibraryState& state);

// The open plan; throws when no plan is loaded, as a call on a missing object would.
std::shared_ptr<Plan> RequirePlan(LibraryState& state);

}  // namespace velloway
