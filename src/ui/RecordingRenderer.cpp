#include "ui/RecordingRenderer.h"

#include <algorithm>

namespace velloway {

void RecordingRenderer::Yield(const ProgressView& view) {
  Record(RecordedFrame::Kind::Yield, view);
  if (onYield) onYield(view);
}

int RecordingRenderer::Count(RecordedFrame::Kind kind) const {
  return static_cast<int>(std::count_if(frames.begin(), frames.end(),
                                        [&](const RecordedFrame& f) { return f.kind == kind; }));
}

void RecordingRenderer::Record(RecordedFrame::Kind kind, const ProgressView& view) {
  frames.push_back({kind, std::string(view.stepText), view.stepBar, std::string(view.itemText),
                    view.itemBar, view.visible});
}

}  // namespace velloway
