#include "registerxml/XmlHandles.h"

#include <libxml/tree.h>

namespace velloway::modXMLToolbox {

void XmlDocDeleter::operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }

void XmlNodeDeleter::operator()(xmlNode* node) const {
  xmlUnlinkNode(node);
  xmlFreeNode(node);
}

}  // namespace velloway::modXMLToolbox
