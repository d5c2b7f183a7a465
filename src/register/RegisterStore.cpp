#include "register/RegisterStore.h"

#include "core/HostApp.h"
#include "ui/frmImportProgress.h"

namespace velloway {

RegisterRoadState& RegisterRun(LibraryState& state) {
  auto* run = dynamic_cast<RegisterRoadState*>(state.road.get());
  if (run == nullptr) {
    auto made = std::make_unique<RegisterRoadState>();
    run = made.get();
    state.road = std::move(made);
  }
  return *run;
}

RegisterRoadState::RegisterRoadState() = default;
RegisterRoadState::~RegisterRoadState() = default;

frmImportProgress& Form(LibraryState& state) {
  auto& form = RegisterRun(state).form;
  if (!form) form = std::make_unique<frmImportProgress>(FormHostOf(state));
  return *form;
}

void ReportStep(LibraryState& state, const std::string& text) {
  Form(state).UpdateProgressBar(text);
}

void WriteRegisterValue(LibraryState& state, const std::string& section, const std::string& key,
                        const std::string& value) {
  RequirePlan(state)->WriteAppValue(kRegisterTag, section, key, value);
}

}  // namespace velloway
