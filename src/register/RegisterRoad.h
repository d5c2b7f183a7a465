// The current-template road as the launch sequence sees it.
#pragma once

namespace velloway {
struct LibraryState;

// Loads the register from the workbook and, when every sheet loaded, writes it into the plan.
// The road's state lives for this call only.
void RunCurrentTemplateImport(LibraryState& state);

}  // namespace velloway
