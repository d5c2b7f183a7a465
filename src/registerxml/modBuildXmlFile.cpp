#include "registerxml/modBuildXmlFile.h"

#include "core/ErrorLog.h"
#include "core/HostApp.h"
#include "core/Messages.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modXMLToolbox.h"
#include "ui/frmImportProgress.h"

namespace velloway::modBuildXmlFile {
namespace {

constexpr std::int32_t kStepCount = 11;

void Tell(LibraryState& state, const char* text) {
  state.platform.ui->MessageBox(text, MsgIcon::Information, MsgButtons::OK, "");
}

// A sheet step whose failure is told and the sequence goes on.
void RunTolerantStep(LibraryState& state, const char* progressText, bool (*step)(LibraryState&),
                     const char* failure) {
  registerxml::TheProgressForm(state).UpdateProgressBar(progressText);
  if (!step(state)) Tell(state, failure);
}

bool ImportHistory(LibraryState& state) {
  return ImportRisks(state, state.sheets.riskHistory, true);
}

}  // namespace

bool ImportRegisterXml(LibraryState& state) {
  registerxml::RegisterXmlRun(state).progress =
      std::make_shared<frmImportProgress>(FormHostOf(state));
  frmImportProgress& form = *registerxml::RegisterXmlRun(state).progress;
  // The steps run once, inside the modal display; their result is the import's.
  bool result = false;
  try {
    ClearErrorLog(state);
    form.SetProgressCounter(kStepCount);
    form.SetActivateSteps([&state, &result] { result = RunRegisterXmlSteps(state); });
    form.Show(FormShowMode::Modal);
    if (result) {
      OfferErrorLog(state);
      return true;
    }
  } catch (...) {
    // Ends like a failed sequence.
  }
  form.CompleteProgressBar();
  OfferErrorLog(state);
  return false;
}

bool RunRegisterXmlSteps(LibraryState& state) {
  try {
    frmImportProgress& form = registerxml::TheProgressForm(state);
    form.UpdateProgressBar(msg::kStepSkeleton);
    if (!CreateXmlSkeleton(state)) return false;
    form.UpdateProgressBar(msg::kStepOptions);
    AddOptionsToXml(state);
    form.UpdateProgressBar(msg::kStepPid);
    AddPidToXml(state);
    form.UpdateProgressBar(msg::kStepRisks);
    if (!ImportRisks(state, state.sheets.qualitativeRisks, false)) {
      Tell(state, msg::kRisksFailed);
      return false;
    }
    RunTolerantStep(state, msg::kStepActions, ImportResponseActions, msg::kActionsFailed);
    RunTolerantStep(state, msg::kStepTaskImpacts, ImportTaskImpacts, msg::kTaskImpactsFailed);
    RunTolerantStep(state, msg::kStepQuantitative, ImportQuantitativeInfo,
                    msg::kQuantitativeFailed);
    RunTolerantStep(state, msg::kStepHistory, ImportHistory, msg::kHistoryFailed);
    RunTolerantStep(state, msg::kStepFinal, DoFinalCalculations, msg::kFinalCalculationsFailed);

    // Checking the document against the schema and writing its text both only read the tree:
    // the text is written while the check runs.
    auto text = StartXmlText(state);
    const bool valid = modXMLToolbox::ValidateXmlWithSchema(
        state, registerxml::TheDocument(state).get(), state.SchemaPath, true);
    StoreXmlInPlan(state, std::move(text));  // an invalid document is stored all the same
    form.CompleteProgressBar();
    return valid;
  } catch (const std::exception& e) {
    // No message box: the user is only offered the error log. The host hears why all the same.
    Diagnose(state, std::string("the register XML steps stopped: ") + e.what());
    return false;
  } catch (...) {
    return false;
  }
}

}  // namespace velloway::modBuildXmlFile
