#include "ui/frmImportProgress.h"

#include <stdexcept>

#include "core/HostApp.h"
#include "core/LibraryState.h"
#include "ui/clsMonitors.h"

namespace velloway {

FormHost FormHostOf(LibraryState& state) {
  HostApp(state);  // made on first use
  return FormHost{state.hostApplication, state.platform.progressRenderer, state.platform.monitors};
}

frmImportProgress::frmImportProgress(FormHost host)
    : host_(std::move(host.host)),
      renderer_(host.renderer ? std::move(host.renderer) : MakeSilentRenderer()),
      monitors_(std::move(host.monitors)) {
  if (!host_) throw std::invalid_argument("the progress form needs the host application");
  host_->SetFormActive(true);
}

frmImportProgress::~frmImportProgress() {
  try {
    Unload();
  } catch (...) {
    // The driver is dropping the form; a host that fails to hear it has nothing to undo.
  }
}

void frmImportProgress::Show(FormShowMode mode) {
  if (mode == FormShowMode::Modal && visible_) {
    throw std::logic_error("Form already displayed; can't show modally");
  }
  EnsureLoaded();
  if (!visible_) {
    visible_ = true;
    renderer_->Show(View());
  }
  if (mode == FormShowMode::Modal) Activate();
}

void frmImportProgress::Unload() {
  if (!loaded_) return;
  const bool wasVisible = visible_;
  loaded_ = false;
  visible_ = false;
  if (wasVisible) renderer_->Hide(View());
  host_->SetFormActive(false);
}

void frmImportProgress::UpdateLabel(const std::string& str) {
  EnsureLoaded();
  lblProgress_ = str;
}

// The step is taken before anything changes, so a step count of 0 fails in the caller with the
// form untouched. After that nothing fails: the sum is stored in single precision, and when the
// last of n steps rounds above 100 the bar refuses it and stays one step short.
void frmImportProgress::UpdateProgressBar(const std::string& text) {
  if (stepCount_ == 0) throw std::domain_error("Division by zero");
  const double step = 100.0 / stepCount_;
  EnsureLoaded();
  try {
    pbProgress_.SetValue(static_cast<float>(pbProgress_.Value() + step));
  } catch (const std::out_of_range&) {
    // Refused: the bar keeps its value.
  }
  lblProgress_ = text;
  try {
    Yield();
  } catch (...) {
    // Errors are ignored from the step on, drawing included.
  }
}

void frmImportProgress::CompleteProgressBar() {
  EnsureLoaded();
  pbProgress_.SetValue(100);
  Unload();
}

void frmImportProgress::SetProgressCounter(std::int32_t nvalue) {
  EnsureLoaded();
  lblProgress_.clear();
  pbProgress_.SetValue(0);
  stepCount_ = nvalue;
}

// A count that is not above 0 keeps the maximum of the previous step.
void frmImportProgress::SetMaxValue(std::int32_t nCount) {
  EnsureLoaded();
  Label1_.clear();
  ProgressBar1_.SetMin(0);
  ProgressBar1_.SetValue(0);
  if (nCount > 0) ProgressBar1_.SetMax(static_cast<float>(nCount));
}

// A value outside the item bar's range fails in the caller, after the text has changed.
void frmImportProgress::UpdateProgress(std::int32_t nvalue, const std::string& strLabel) {
  EnsureLoaded();
  Label1_ = strLabel;
  ProgressBar1_.SetValue(static_cast<float>(nvalue));
  Yield();
}

ProgressView frmImportProgress::View() const {
  return {kCaption, lblProgress_, pbProgress_.View(), Label1_, ProgressBar1_.View(), visible_};
}

void frmImportProgress::EnsureLoaded() {
  if (!loaded_) Load();
}

// Loading makes the controls afresh; the step count belongs to the form object and survives.
void frmImportProgress::Load() {
  lblProgress_.clear();
  pbProgress_ = ProgressBar();
  Label1_.clear();
  ProgressBar1_ = ProgressBar();
  rect_ = {0, 0, kWidth, kHeight};
  loaded_ = true;
  CenterOnHostMonitor();
}

// A host or monitor query that fails leaves the form where it is: placement is not worth
// failing an import for.
void frmImportProgress::CenterOnHostMonitor() {
  try {
    const std::shared_ptr<MonitorApi> api = monitors_ ? monitors_ : MakeDefaultMonitorApi();
    const clsMonitors monitors(*api);
    monitors.CenterFormOnMonitor(rect_, host_->MainWindowHandle());
  } catch (const std::exception&) {
  }
}

// The modal display's activation: let the window paint, run the steps, close.
void frmImportProgress::Activate() {
  try {
    Yield();
    if (activateSteps_) activateSteps_();
  } catch (...) {
    Unload();
    throw;
  }
  Unload();
}

void frmImportProgress::Yield() { renderer_->Yield(View()); }

}  // namespace velloway
