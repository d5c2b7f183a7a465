// Access to the host's objects: the application object is created on first use and kept; the
// plan is fetched afresh for every operation and never cached.
#pragma once

#include <memory>
#include <string>

#include "velloway/host_application.h"

namespace velloway {

struct LibraryState;

// The host application object; throws when the host cannot provide one.
HostApplication& HostApp(LibraryState& state);

// The open plan; throws when no plan is loaded, as a call on a missing object would.
std::shared_ptr<Plan> RequirePlan(LibraryState& state);

// One line on the host's diagnostic channel, when it has one: why an import could not go on
// where the user was shown no message. A host that cannot take the line loses nothing else.
void Diagnose(LibraryState& state, const std::string& line) noexcept;

}  // namespace velloway
