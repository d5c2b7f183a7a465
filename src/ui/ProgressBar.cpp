#include "ui/ProgressBar.h"

#include <algorithm>
#include <stdexcept>

namespace velloway {
namespace {
[[noreturn]] void InvalidPropertyValue() { throw std::out_of_range("Invalid property value"); }
}  // namespace

// A new range pulls the value inside it, as the control does.
void ProgressBar::SetMin(float min) {
  if (!(min < max_)) InvalidPropertyValue();
  min_ = min;
  value_ = std::max(value_, min_);
}

void ProgressBar::SetMax(float max) {
  if (!(max > min_)) InvalidPropertyValue();
  max_ = max;
  value_ = std::min(value_, max_);
}

// Written so that NaN is refused too.
void ProgressBar::SetValue(float value) {
  if (!(value >= min_ && value <= max_)) InvalidPropertyValue();
  value_ = value;
}

}  // namespace velloway
