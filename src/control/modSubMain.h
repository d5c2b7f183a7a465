// The launch sequence: settings, the forced decimal separator, the workbook and plan checks,
// the connection to the workbook, the choice of import road, and the cleanup on every way out.
#pragma once

#include <string>

namespace velloway {
struct LibraryState;
}

namespace velloway::modSubMain {

inline constexpr const char* kCurrentTemplateVersion = "2.2";

// One import, start to end. Never throws.
void Main(LibraryState& state) noexcept;

// Restores the user's decimal separator and releases and closes the workbook. Safe to call
// more than once in a run.
void Cleanup(LibraryState& state) noexcept;

// Reads the host's working key and sets RegistryBase; tells the user when there is none.
void ReadWorkingKey(LibraryState& state);

// Takes the configured workbook path when there is one and checks that the file exists.
bool CheckWorkbookPath(LibraryState& state);

}  // namespace velloway::modSubMain
