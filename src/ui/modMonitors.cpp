#include "ui/modMonitors.h"

#include <cmath>

namespace velloway::modMonitors {

double RoundHalfEven(double x) {
  if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
  return std::round(x);
}

double HalfOfFreeSpace(double space, double size) {
  return std::trunc(RoundHalfEven(space - size) / 2.0);
}

}  // namespace velloway::modMonitors
