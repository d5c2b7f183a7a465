// The progress bar control: a single-precision range and a value that must lie inside it. The
// control refuses what lies outside by raising "Invalid property value"; it draws nothing itself.
#pragma once

#include "velloway/progress_renderer.h"

namespace velloway {

class ProgressBar {
 public:
  float Min() const { return min_; }
  float Max() const { return max_; }
  float Value() const { return value_; }

  // Each throws std::out_of_range and keeps the bar as it was when the value does not fit: the
  // minimum must stay below the maximum, the value within both.
  void SetMin(float min);
  void SetMax(float max);
  void SetValue(float value);

  ProgressBarView View() const { return {min_, max_, value_}; }

 private:
  float min_ = 0;
  float max_ = 100;
  float value_ = 0;
};

}  // namespace velloway
