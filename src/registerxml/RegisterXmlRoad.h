// The older templates' road as the launch sequence sees it.
#pragma once

namespace velloway {
struct LibraryState;

// Builds, validates and stores the register XML document.
void RunRegisterXmlImport(LibraryState& state);

}  // namespace velloway
