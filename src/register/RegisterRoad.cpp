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
    if (RegisterRun(state).form) RegisterRun(state).form->Unload();
  } catch (...) {
    // Closing the form must not hide why the road ended.
  }
  RegisterRun(state).form.reset();
  Model(state).scenarios.reset();
  ReleaseRegisterModel(state);
}

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

}  // namespace

void RunCurrentTemplateImport(LibraryState& state) {
  state.road = std::make_unique<RegisterRoadState>();
  struct EndOfRoad {
    LibraryState& state;
    ~EndOfRoad() { state.road.reset(); }
  } end{state};
  if (RunCurrentTemplateLoad(state)) RunCurrentTemplateWrite(state);
}

}  // namespace velloway
