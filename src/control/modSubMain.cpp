#include "control/modSubMain.h"

#include "control/WorkbookConnection.h"
#include "core/HostApp.h"
#include "core/LibraryState.h"
#include "core/Messages.h"
#include "core/modLocale.h"
#include "core/modRegistry.h"
#include "core/modToolBox.h"
#include "register/RegisterRoad.h"
#include "registerxml/RegisterXmlRoad.h"
#include "velloway/host_contract.h"

namespace velloway::modSubMain {
namespace {

void Tell(LibraryState& state, const char* text, MsgIcon icon) {
  state.platform.ui->MessageBox(text, icon, MsgButtons::OK, "");
}

void ForceDecimalSeparator(LibraryState& state) {
  state.SavedDecimalSeparator = modLocale::GetLocaleValue(state, modLocale::LOCALE_SDECIMAL);
  modLocale::SetLocaleValue(state, modLocale::LOCALE_SDECIMAL, ".");
  state.separatorForced = true;
}

// The plan checks: false ends the run. A never-saved plan is offered to the host's save, and
// the import waits for the user to start it again.
bool PlanIsReady(LibraryState& state) {
  const auto plan = HostApp(state).ActivePlan();
  if (!plan) {
    Tell(state, msg::kNoPlanLoaded, MsgIcon::Information);
    return false;
  }
  if (plan->PlanFileName().empty()) {
    Tell(state, msg::kSavePlanFirst, MsgIcon::Information);
    RequirePlan(state)->SavePlan();
    return false;
  }
  return true;
}

void RunSequence(LibraryState& state) {
  ReadWorkingKey(state);
  ForceDecimalSeparator(state);
  state.ConfiguredWorkbookPath = modRegistry::ReadRegistryString(
      state, RegistryHive::CurrentUser, state.RegistryBase + "\\" + kImportPathKey,
      kImportPathValue, "");
  if (!CheckWorkbookPath(state) || !PlanIsReady(state)) return;
  state.SchemaPath = HostApp(state).InstallFolder() + "/RiskRegister/RiskRegister.xsd";
  if (!ConnectWorkbook(state)) return;
  if (state.TemplateVersion == kCurrentTemplateVersion) {
    RunCurrentTemplateImport(state);
  } else {
    RunRegisterXmlImport(state);
  }
}

}  // namespace

void ReadWorkingKey(LibraryState& state) {
  const std::string workingKey = WorkingKeyPath(HostApp(state).InstallFolder());
  if (workingKey.empty()) {
    Tell(state, msg::kNoWorkingKey, MsgIcon::Exclamation);
    return;
  }
  state.RegistryBase = workingKey;
}

bool CheckWorkbookPath(LibraryState& state) {
  if (!state.ConfiguredWorkbookPath.empty()) state.WorkbookPath = state.ConfiguredWorkbookPath;
  const bool exists = modToolBox::FileExists(state, state.WorkbookPath, true);
  return !state.WorkbookPath.empty() && exists;
}

void Main(LibraryState& state) noexcept {
  state.separatorForced = false;
  state.textSettings.reset();  // the user may have changed them since the last run
  try {
    RunSequence(state);
  } catch (const std::exception& e) {
    // An error no step trapped ends the run without a message box; the host still hears why.
    Diagnose(state, std::string("the import stopped: ") + e.what());
  } catch (...) {
    Diagnose(state, "the import stopped on an unknown error");
  }
  Cleanup(state);
}

void Cleanup(LibraryState& state) noexcept {
  try {
    // The user's separator is never left empty, even when it could not be read at the start,
    // and a run that ended before forcing it leaves it alone.
    if (state.separatorForced) {
      const std::string separator = state.SavedDecimalSeparator.empty()
                                        ? modLocale::DefaultDecimalSeparator()
                                        : state.SavedDecimalSeparator;
      modLocale::SetLocaleValue(state, modLocale::LOCALE_SDECIMAL, separator);
    }
    ReleaseSheets(state);
  } catch (...) {
  }
  CloseWorkbook(state);
}

}  // namespace velloway::modSubMain
