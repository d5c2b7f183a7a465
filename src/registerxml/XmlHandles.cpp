#include "registerxml/XmlHandles.h"

#include <libxml/tree.h>

#include "registerxml/XmlSelectionNamespaces.h"

namespace velloway::modXMLToolbox {

void XmlDocDeleter::operator()(xmlDoc* doc) const {
  if (doc == nullptr) return;
  ReleaseQueryState(doc);
  xmlFreeDoc(doc);
}

void XmlNodeDeleter::operator()(xmlNode* node) const {
  xmlUnlinkNode(node);
  xmlFreeNode(node);
}

}  // namespace velloway::modXMLToolbox
