#include "registerxml/clsXmlImpacts.h"

#include "registerxml/ElementBuilder.h"

namespace velloway::registerxml {

void AddImpactsChild(xmlNodePtr parent, const clsXmlImpacts& impacts) {
  xmlNodePtr container = AddTextChild(parent, "Impacts");
  for (const clsXmlImpact& impact : impacts) {
    xmlAddChild(container, impact.GetNode(parent->doc).release());
  }
}

}  // namespace velloway::registerxml
