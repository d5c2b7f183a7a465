#include "registerxml/RegisterXmlAccess.h"

#include "core/ImportError.h"
#include "ui/frmImportProgress.h"

namespace velloway::registerxml {

RegisterXmlDocument& TheDocument(LibraryState& state) {
  if (!state.registerXml.document) throw ImportError("there is no register XML document");
  return *state.registerXml.document;
}

frmImportProgress& TheProgressForm(LibraryState& state) {
  if (!state.registerXml.progress) throw ImportError("there is no progress form");
  return *state.registerXml.progress;
}

}  // namespace velloway::registerxml
