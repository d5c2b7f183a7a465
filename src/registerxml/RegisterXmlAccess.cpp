#include "registerxml/RegisterXmlAccess.h"

#include "core/ImportError.h"
#include "ui/frmImportProgress.h"

namespace velloway::registerxml {

RegisterXmlState& RegisterXmlRun(LibraryState& state) {
  auto* run = dynamic_cast<RegisterXmlState*>(state.road.get());
  if (run == nullptr) {
    auto made = std::make_unique<RegisterXmlState>();
    run = made.get();
    state.road = std::move(made);
  }
  return *run;
}

RegisterXmlDocument& TheDocument(LibraryState& state) {
  if (!RegisterXmlRun(state).document) throw ImportError("there is no register XML document");
  return *RegisterXmlRun(state).document;
}

frmImportProgress& TheProgressForm(LibraryState& state) {
  if (!RegisterXmlRun(state).progress) throw ImportError("there is no progress form");
  return *RegisterXmlRun(state).progress;
}

}  // namespace velloway::registerxml
