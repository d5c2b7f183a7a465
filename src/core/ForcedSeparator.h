// The forced decimal separator, made safe against an import that never reaches its cleanup
// (killed, crashed, power cut) and against imports that run at the same time in other
// processes. Before "." is written, the user's own value and the forcing process (its id and
// start time, so that a reused id is not taken for it) are recorded durably in the settings
// store. The user's value goes back only when the last live forcer is gone: at the end of the
// last running import, or at the next start of the library after a forcer died.
#pragma once

#include <optional>
#include <string>

namespace velloway {
struct LibraryState;
}

namespace velloway::modLocale {

// Records this process as a forcer and sets the separator to "."; returns the user's value
// (empty when it could not be read). Throws when the record cannot be written: "." is then
// not forced, since the user's value could be lost.
std::string ForceDecimalSeparator(LibraryState& state);

// This process stops forcing; the user's value (or, when none was recorded, fallback) is
// written back unless another live import still forces ".". Failures are ignored.
void RestoreDecimalSeparator(LibraryState& state, const std::string& fallback) noexcept;

// Gives the user's value back when every process that forced "." is gone; returns the value
// written back, none when nothing was left to repair. Failures are ignored.
std::optional<std::string> RepairDecimalSeparator(LibraryState& state) noexcept;

}  // namespace velloway::modLocale
