#include "control/ImportRoads.h"

#include "control/LibraryState.h"

namespace velloway {

// The register XML road is not built yet: the import ends after the workbook connects.
void RunRegisterXmlImport(LibraryState& state) {
  if (state.platform.diagnostic) {
    state.platform.diagnostic(
        "the import of older templates is not part of this build (template version '" +
        state.TemplateVersion + "'); nothing was imported");
  }
}

}  // namespace velloway
