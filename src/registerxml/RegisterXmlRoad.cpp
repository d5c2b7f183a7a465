// The register XML road as the launch sequence runs it.
#include "registerxml/RegisterXmlRoad.h"

#include "registerxml/RegisterXmlState.h"
#include "registerxml/modBuildXmlFile.h"

namespace velloway {

// The road's document and form are released when it ends, whichever way it ends (the form
// before the document).
void RunRegisterXmlImport(LibraryState& state) {
  state.road = std::make_unique<RegisterXmlState>();
  struct EndOfRoad {
    LibraryState& state;
    ~EndOfRoad() { state.road.reset(); }
  } end{state};
  modBuildXmlFile::ImportRegisterXml(state);
}

}  // namespace velloway
