#include "register/RegisterStore.h"

#include "core/HostApp.h"
#include "ui/frmImportProgress.h"

namespace velloway {

RegisterRoadState::RegisterRoadState() = default;
RegisterRoadState::~RegisterRoadState() = default;

frmImportProgress& Form(LibraryState& state) {
  auto& form = state.registerRoad.form;
  if (!form) form = std::make_unique<frmImportProgress>(state);
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
