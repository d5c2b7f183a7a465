// The register XML road's module-wide objects, for its steps.
#pragma once

#include "core/LibraryState.h"
#include "registerxml/RegisterXmlDocument.h"
#include "registerxml/RegisterXmlState.h"

namespace velloway::registerxml {

// The running road's state. The road's entry makes it; a step run on its own makes one on first
// use.
RegisterXmlState& RegisterXmlRun(LibraryState& state);
// The document of the import; throws ImportError when the skeleton step has not made one.
RegisterXmlDocument& TheDocument(LibraryState& state);
// The progress form of the import; throws ImportError when the driver has not made one.
frmImportProgress& TheProgressForm(LibraryState& state);

}  // namespace velloway::registerxml
