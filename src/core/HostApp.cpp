#include "core/HostApp.h"

#include <stdexcept>

#include "core/LibraryState.h"

namespace velloway {

HostApplication& HostApp(LibraryState& state) {
  if (!state.hostApplication) {
    if (!state.platform.createHostApplication) throw std::runtime_error("no host application");
    state.hostApplication = state.platform.createHostApplication();
    if (!state.hostApplication) throw std::runtime_error("the host application was not created");
  }
  return *state.hostApplication;
}

std::shared_ptr<Plan> RequirePlan(LibraryState& state) {
  auto plan = HostApp(state).ActivePlan();
  if (!plan) throw std::runtime_error("no plan is loaded in the host");
  return plan;
}

void Diagnose(LibraryState& state, const std::string& line) noexcept {
  try {
    if (state.platform.diagnostic) state.platform.diagnostic(line);
  } catch (...) {
    // A host that cannot take the line loses nothing else.
  }
}

}  // namespace velloway
