// The register XML road as the launch sequence runs it.
#include "registerxml/RegisterXmlRoad.h"

#include "core/LibraryState.h"
#include "registerxml/modBuildXmlFile.h"

namespace velloway {

// The road's document and form are released when it ends, whichever way it ends.
void RunRegisterXmlImport(LibraryState& state) {
  struct Release {
    LibraryState& state;
    ~Release() {
      state.registerXml.progress.reset();
      state.registerXml.document.reset();
    }
  } release{state};
  modBuildXmlFile::ImportRegisterXml(state);
}

}  // namespace velloway
