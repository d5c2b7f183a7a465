// The two import roads as the launch sequence sees them.
#pragma once

namespace velloway {
struct LibraryState;

// Current template: load the register from the workbook; true when every sheet loaded.
bool RunCurrentTemplateLoad(LibraryState& state);
// Current template: write the loaded register into the plan.
void RunCurrentTemplateWrite(LibraryState& state);
// Older templates: build, validate and store the register XML document.
void RunRegisterXmlImport(LibraryState& state);

}  // namespace velloway
