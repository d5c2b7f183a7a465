// What every loader and writer of the current-template road shares: the model's holders, the
// progress form, and the plan's register store under "RR2".
#pragma once

#include <string>

#include "core/LibraryState.h"
#include "register/RegisterModel.h"

namespace velloway {

inline constexpr const char* kRegisterTag = "RR2";

// The running road's state. The road's entry makes it; a loader or writer run on its own makes
// one on first use.
RegisterRoadState& RegisterRun(LibraryState& state);

inline RegisterModel& Model(LibraryState& state) { return RegisterRun(state).model; }

// The road's progress form; one is created when a loader or writer runs on its own.
frmImportProgress& Form(LibraryState& state);

// Advances the step bar by one step with the step's closing text.
void ReportStep(LibraryState& state, const std::string& text);

// One value into the plan under "RR2"; the plan is fetched afresh for every write.
void WriteRegisterValue(LibraryState& state, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace velloway
