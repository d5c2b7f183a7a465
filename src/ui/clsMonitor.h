// One monitor of the desktop, in pixels.
#pragma once

#include <cstdint>

namespace velloway {

struct clsMonitor {
  std::int32_t Handle = 0;  // the monitor's handle
  std::int32_t Height = 0;  // of the monitor rectangle
  std::int32_t Width = 0;
  std::int32_t Left = 0;  // the monitor rectangle on the virtual desktop
  std::int32_t Right = 0;
  std::int32_t Top = 0;
  std::int32_t Bottom = 0;
  std::int32_t WorkLeft = 0;  // the work area: the monitor without its taskbars
  std::int32_t WorkRight = 0;
  std::int32_t WorkTop = 0;
  std::int32_t WorkBottom = 0;
};

}  // namespace velloway
