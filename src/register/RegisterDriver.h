// The two drivers of the current-template road: load the register from the workbook, then
// write it into the plan.
#pragma once

namespace velloway {

struct LibraryState;

// Shows the progress form and runs the nine loaders; false, after one message, when any failed.
bool LoadRegisterFromWorkbook(LibraryState& state);
// Clears the plan's register and runs the nine writers; errors pass to the caller.
void WriteRegisterToPlan(LibraryState& state);
// Collects the distinct scenario names of the quantitative risks.
void PrepareRegisterWrite(LibraryState& state);
// Drops every holder of the model.
void ReleaseRegisterModel(LibraryState& state);

}  // namespace velloway
