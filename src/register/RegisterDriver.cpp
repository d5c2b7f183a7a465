#include "register/RegisterDriver.h"

#include "core/HostApp.h"
#include "core/Messages.h"
#include "core/WorkbookRefs.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"
#include "ui/frmImportProgress.h"
#include "workbook/Workbook.h"

namespace velloway {
namespace {

constexpr std::int32_t kProgressSteps = 18;  // nine loaders and nine writers

using RecordLoader = bool (*)(LibraryState&, const workbook::Worksheet*);

// Each record sheet is read by its loader alone, so its cells go once it has run: a large
// register then never holds the cells of every sheet beside the whole model.
bool LoadAndRelease(LibraryState& state, RecordLoader load, const workbook::Worksheet* sheet) {
  const bool loaded = load(state, sheet);
  if (sheet != nullptr && state.sheets.workbook) state.sheets.workbook->ReleaseCells(sheet);
  return loaded;
}

bool RunLoaders(LibraryState& state) {
  const WorkbookRefs& sheets = state.sheets;
  // Every loader runs, whatever the ones before it returned.
  bool loaded = modLoadRisks::LoadQuantSettings(state, sheets.options);
  loaded &= modLoadRisks::LoadPid(state, sheets.options);
  loaded &= modLoadRisks::LoadRegisterDetails(state, sheets.options);
  loaded &= modLoadRisks::LoadRegisterOptions(state, sheets.options);
  loaded &= LoadAndRelease(state, modLoadRisks::LoadQualitativeRisks, sheets.qualitativeRisks);
  loaded &= LoadAndRelease(state, modLoadRisks::LoadQualitativeActions, sheets.actions);
  loaded &= LoadAndRelease(state, modLoadRisks::LoadQuantitativeRisks, sheets.quantitativeRisks);
  loaded &= LoadAndRelease(state, modLoadRisks::LoadTaskImpacts, sheets.taskImpacts);
  loaded &= LoadAndRelease(state, modLoadRisks::LoadRiskHistory, sheets.riskHistory);
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
    const std::string name(model.texts[risk.m_strScenarioName]);
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
