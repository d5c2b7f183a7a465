#include "register/RegisterDriver.h"

#include "core/HostApp.h"
#include "core/Messages.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"
#include "ui/frmImportProgress.h"

namespace velloway {
namespace {

constexpr std::int32_t kProgressSteps = 18;  // nine loaders and nine writers

bool RunLoaders(LibraryState& state) {
  const WorkbookRefs& sheets = state.sheets;
  // Every loader runs, whatever the ones before it returned.
  bool loaded = modLoadRisks::LoadQuantSettings(state, sheets.options);
  loaded &= modLoadRisks::LoadPid(state, sheets.options);
  loaded &= modLoadRisks::LoadRegisterDetails(state, sheets.options);
  loaded &= modLoadRisks::LoadRegisterOptions(state, sheets.options);
  loaded &= modLoadRisks::LoadQualitativeRisks(state, sheets.qualitativeRisks);
  loaded &= modLoadRisks::LoadQualitativeActions(state, sheets.actions);
  loaded &= modLoadRisks::LoadQuantitativeRisks(state, sheets.quantitativeRisks);
  loaded &= modLoadRisks::LoadTaskImpacts(state, sheets.taskImpacts);
  loaded &= modLoadRisks::LoadRiskHistory(state, sheets.riskHistory);
  return loaded;
}

}  // namespace

bool LoadRegisterFromWorkbook(LibraryState& state) {
  RegisterRun(state).form = std::make_unique<frmImportProgress>(FormHostOf(state));
  Form(state).SetProgressCounter(kProgressSteps);
  Form(state).Show(FormShowMode::Modeless);
  if (RunLoaders(state)) return true;
  state.platform.ui->MessageBox(msg::kUnableToLoadRisks, MsgIcon::Critical, MsgButtons::OK, "");
  return false;
}

void PrepareRegisterWrite(LibraryState& state) {
  RegisterModel& model = Model(state);
  auto& scenarios = Held(model.scenarios);
  for (const clsQuantRisk& risk : Held(model.quantitativeRisks)) {
    const std::string name(risk.m_strScenarioName);
    // A name already there in another letter case keeps the spelling of its first risk.
    if (!name.empty() && !scenarios.Contains(name)) scenarios.Add(name, name);
  }
}

void WriteRegisterToPlan(LibraryState& state) {
  PrepareRegisterWrite(state);
  RequirePlan(state)->WriteAppData(kRegisterTag, "");
  modWriteRisks::WriteRegisterDetails(state);
  modWriteRisks::WriteRegisterOptions(state);
  modWriteRisks::WritePid(state);
  modWriteRisks::WriteQuantSettings(state);
  modWriteRisks::WriteQualitativeRisks(state);
  modWriteRisks::WriteRiskActions(state);
  modWriteRisks::WriteRiskHistory(state);
  modWriteRisks::WriteTaskImpacts(state);
  modWriteRisks::WriteMitigations(state);
  Form(state).CompleteProgressBar();
  Form(state).Unload();
  RegisterRun(state).form.reset();
  Model(state).scenarios.reset();
  ReleaseRegisterModel(state);
}

void ReleaseRegisterModel(LibraryState& state) {
  RegisterModel& model = Model(state);
  model.pid.reset();
  model.details.reset();
  model.options.reset();
  model.scenarioNames.reset();
  model.scenarioSettings.reset();
  model.qualitativeRisks.reset();
  model.riskActions.reset();
  model.riskHistory.reset();
  model.quantitativeRisks.reset();
  model.taskImpacts.reset();
}

}  // namespace velloway
