#include "control/ImportRoads.h"

#include "control/LibraryState.h"

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

// Neither road is built yet: the import ends after the workbook connects, writing nothing.
bool RunCurrentTemplateLoad(LibraryState& state) {
  SayRoadMissing(state, "current-template");
  return false;
}

void RunCurrentTemplateWrite(LibraryState& /*state*/) {}

void RunRegisterXmlImport(LibraryState& state) { SayRoadMissing(state, "register XML"); }

}  // namespace velloway
