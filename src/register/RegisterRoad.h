// The current-template road as the launch sequence sees it.
#pragma once

namespace velloway {
struct LibraryState;

// Loads the register from the workbook; true when every sheet loaded.
bool RunCurrentTemplateLoad(LibraryState& state);
// Writes the loaded register into the plan.
void RunCurrentTemplateWrite(LibraryState& state);

}  // namespace velloway
