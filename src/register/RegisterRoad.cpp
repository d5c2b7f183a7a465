// The current-template road as the launch sequence runs it. A failed load or write releases the
// model and closes the form, so a later import in the same loaded library starts from nothing.
#include "register/RegisterRoad.h"

#include "register/RegisterDriver.h"
#include "register/RegisterStore.h"
#include "ui/frmImportProgress.h"

namespace velloway {
namespace {

void AbandonRoad(LibraryState& state) noexcept {
  try {
    if (state.registerRoad.form) state.registerRoad.form->Unload();
  } catch (...) {
    // Closing the form must not hide why the road ended.
  }
  state.registerRoad.form.reset();
  Model(state).scenarios.reset();
  ReleaseRegisterModel(state);
}

}  // namespace

bool RunCurrentTemplateLoad(LibraryState& state) {
  if (LoadRegisterFromWorkbook(state)) return true;
  AbandonRoad(state);
  return false;
}

void RunCurrentTemplateWrite(LibraryState& state) {
  try {
    WriteRegisterToPlan(state);
  } catch (...) {
    AbandonRoad(state);
    throw;  // the launch sequence's trap ends the run
  }
}

}  // namespace velloway
