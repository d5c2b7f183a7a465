// The source of "now", injectable so that tests and golden files need no masking.
#pragma once

#include "velloway/export.h"

namespace velloway {

// A local calendar date and time of day.
struct CivilTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class VELLOWAY_API Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilTime Now() = 0;
};

}  // namespace velloway
