// The sheet steps that fill the risks, their actions, task impacts, quantitative information and
// history are not built yet. They have their places in the step sequence and, until they are
// built, read nothing and leave the document as the options and PID steps made it.
#include "registerxml/modBuildXmlFile.h"

namespace velloway::modBuildXmlFile {

bool ImportRisks(LibraryState& /*state*/, const workbook::Worksheet* /*sheet*/, bool /*bHistory*/) {
  return true;
}

bool ImportResponseActions(LibraryState& /*state*/) { return true; }

bool ImportTaskImpacts(LibraryState& /*state*/) { return true; }

bool ImportQuantitativeInfo(LibraryState& /*state*/) { return true; }

}  // namespace velloway::modBuildXmlFile
