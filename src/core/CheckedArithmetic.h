// Arithmetic on numbers as the platform does it: a result beyond the largest double raises
// OverflowError instead of going on as infinity, so "Infinity" never reaches a register.
#pragma once

#include <cmath>

#include "core/ImportError.h"

namespace velloway {

// The value itself when finite; throws OverflowError otherwise.
inline double Finite(double value) {
  if (!std::isfinite(value)) throw OverflowError("Overflow: the number is too large");
  return value;
}

inline double CheckedSum(double a, double b) { return Finite(a + b); }
inline double CheckedProduct(double a, double b) { return Finite(a * b); }

}  // namespace velloway
