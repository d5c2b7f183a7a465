// A renderer that keeps every frame it is handed, for tests and for hosts that check what the
// user was shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "velloway/progress_renderer.h"

namespace velloway {

struct RecordedFrame {
  enum class Kind { Show, Yield, Hide };
  Kind kind = Kind::Yield;
  std::string stepText;
  ProgressBarView stepBar;
  std::string itemText;
  ProgressBarView itemBar;
  bool visible = false;
};

class RecordingRenderer : public ProgressRenderer {
 public:
  void Show(const ProgressView& view) override { Record(RecordedFrame::Kind::Show, view); }
  void Yield(const ProgressView& view) override;
  void Hide(const ProgressView& view) override { Record(RecordedFrame::Kind::Hide, view); }
  void Interrupt() override { ++interrupts; }

  // How many frames of this kind were recorded.
  int Count(RecordedFrame::Kind kind) const;

  std::vector<RecordedFrame> frames;
  int interrupts = 0;
  // Runs at every yield, after the frame is recorded: what the host's event loop would do then.
  std::function<void(const ProgressView&)> onYield;

 private:
  void Record(RecordedFrame::Kind kind, const ProgressView& view);
};

}  // namespace velloway
