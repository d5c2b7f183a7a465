#include "velloway/clsVellowayDll.h"

#include "control/modSubMain.h"

namespace velloway {

void clsVellowayDll::Launch() noexcept { modSubMain::Main(state_); }

}  // namespace velloway
