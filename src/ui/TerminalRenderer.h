// The progress form drawn on a terminal: the caption, both texts and both bars as a block of
// lines redrawn in place. Between draws the cursor rests on the block's first line, so a writer
// that calls Interrupt first can print there without leaving pieces of the block behind.
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "velloway/progress_renderer.h"

namespace velloway {

struct TerminalRendererOptions {
  // Width of the terminal in columns; 0 asks the terminal each time, else assumes 80.
  int columns = 0;
  // Items are drawn at most this often; a new step (its bar or its text) is drawn at once.
  std::chrono::milliseconds interval{100};
  // The time; the steady clock when empty.
  std::function<std::chrono::steady_clock::time_point()> now;
};

class TerminalRenderer : public ProgressRenderer {
 public:
  explicit TerminalRenderer(std::FILE* out, TerminalRendererOptions options = {});
  void Show(const ProgressView& view) override;
  void Yield(const ProgressView& view) override;
  void Hide(const ProgressView& view) override;
  void Interrupt() override { Erase(); }

 private:
  std::chrono::steady_clock::time_point Now() const;
  int Columns() const;
  void Draw(const ProgressView& view);
  void Erase();

  std::FILE* out_;
  TerminalRendererOptions options_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point lastDraw_{};
  float lastStepValue_ = -1;
  std::string lastStepText_;
};

// The block's lines for a terminal of the given width, none longer than width - 1 columns so
// that no line wraps.
std::vector<std::string> TerminalLines(const ProgressView& view, int width);

}  // namespace velloway
