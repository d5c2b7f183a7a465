// The window that shows how far an import has come. The step pair (lblProgress, pbProgress)
// advances by equal shares as the driver finishes each of a known number of steps; the item pair
// (Label1, ProgressBar1) counts the records of the step in progress. Every method that yields
// lets the host's event loop run (the renderer's Yield), which keeps the window painted during
// the long synchronous import.
//
// A driver that runs its steps itself calls SetProgressCounter, shows the form modeless and then
// calls the methods. A driver whose steps run inside the display hands them to SetActivateSteps,
// calls SetProgressCounter and shows the form modal; Show returns when the steps have run and the
// form is unloaded.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ui/FormRect.h"
#include "ui/ProgressBar.h"
#include "velloway/host_application.h"
#include "velloway/monitor_api.h"
#include "velloway/progress_renderer.h"

namespace velloway {

struct LibraryState;

enum class FormShowMode { Modeless, Modal };

// What the form uses of the outside world.
struct FormHost {
  // Told when the form is active; the form is centred on the monitor of its main window.
  std::shared_ptr<HostApplication> host;
  // Draws the form; null draws nothing.
  std::shared_ptr<ProgressRenderer> renderer;
  // The monitors to centre on; null means those the environment describes.
  std::shared_ptr<MonitorApi> monitors;
};

// The host object, renderer and monitors of a loaded library's platform; throws when the host
// cannot provide its application object.
FormHost FormHostOf(LibraryState& state);

class frmImportProgress {
 public:
  static constexpr const char* kCaption = "Importing Risks from Microsoft Excel...";
  // Outer size in twips: a client area of 7920 by 1845 under a 420-twip caption bar.
  static constexpr double kWidth = 7920;
  static constexpr double kHeight = 2265;

  // Creating the form tells the host that a form is active.
  explicit frmImportProgress(FormHost host);
  // A form still loaded when dropped is unloaded, so the host hears that it is gone.
  ~frmImportProgress();
  frmImportProgress(const frmImportProgress&) = delete;
  frmImportProgress& operator=(const frmImportProgress&) = delete;

  // What activation runs between its yield and its unload; the road that shows the form modal
  // hands its step sequence over here.
  void SetActivateSteps(std::function<void()> steps) { activateSteps_ = std::move(steps); }

  // Loads the form when it is not loaded and puts it on screen. A modal display activates the
  // form and ends when activation has unloaded it; a modeless one returns at once and never
  // activates, so the caller drives the form itself.
  void Show(FormShowMode mode);
  // Takes the form off screen and tells the host; nothing when it is not loaded.
  void Unload();

  // The public methods. Each loads the form again, hidden and centred, when it was unloaded.
  void UpdateLabel(const std::string& str);
  void UpdateProgressBar(const std::string& text);
  void CompleteProgressBar();
  void SetProgressCounter(std::int32_t nvalue);
  void SetMaxValue(std::int32_t nCount);
  void UpdateProgress(std::int32_t nvalue, const std::string& strLabel);

  // Observers; they never load the form. Unloading leaves the last values readable.
  bool Loaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  const FormRect& Rect() const { return rect_; }
  const std::string& lblProgress() const { return lblProgress_; }
  const ProgressBar& pbProgress() const { return pbProgress_; }
  const std::string& Label1() const { return Label1_; }
  const ProgressBar& ProgressBar1() const { return ProgressBar1_; }
  std::int32_t StepCount() const { return stepCount_; }
  ProgressView View() const;

 private:
  void EnsureLoaded();
  void Load();
  void CenterOnHostMonitor();
  void Activate();
  void Yield();

  std::shared_ptr<HostApplication> host_;
  std::shared_ptr<ProgressRenderer> renderer_;
  std::shared_ptr<MonitorApi> monitors_;
  std::function<void()> activateSteps_;
  bool loaded_ = false;
  bool visible_ = false;
  FormRect rect_;
  std::string lblProgress_;
  ProgressBar pbProgress_;
  std::string Label1_;
  ProgressBar ProgressBar1_;
  std::int32_t stepCount_ = 0;  // how many steps fill the step bar
};

}  // namespace velloway
