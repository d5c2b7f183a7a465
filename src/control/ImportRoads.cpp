#include "control/ImportRoads.h"

#include "control/LibraryState.h"
#include "registerxml/modBuildXmlFile.h"

namespace velloway {
namespace {
void SayRoadMissing(LibraryState& state, const char* road) {
  if (state.platform.diagnostic) {
    state.platform.diagnostic(std::string("the ") + road +
                              " import is not part of this build (template version '" +
                              state.TemplateVersion + "'); nothing was imported");
  }
}
}  // namespace

// The current-template road is not built yet: the import ends after the workbook connects.
bool RunCurrentTemplateLoad(LibraryState& state) {
  SayRoadMissing(state, "current-template");
  return false;
}

void RunCurrentTemplateWrite(LibraryState& /*state*/) {}

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
