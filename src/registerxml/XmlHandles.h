// Owning handles for libxml2 objects, so that every document, detached node and query result is
// released on every way out.
#pragma once

#include <libxml/tree.h>

#include <memory>
#include <vector>

namespace velloway::modXMLToolbox {

struct XmlDocDeleter {
  void operator()(xmlDoc* doc) const;
};
// A whole document and everything in it.
using XmlDocument = std::unique_ptr<xmlDoc, XmlDocDeleter>;

struct XmlNodeDeleter {
  void operator()(xmlNode* node) const;
};
// A node that belongs to no tree (made by CreateXmlElement or a builder's GetNode). It must be
// released before the document it was made in.
using XmlNode = std::unique_ptr<xmlNode, XmlNodeDeleter>;

// Nodes selected by a query, in document order; they stay owned by their document.
using XmlNodeList = std::vector<xmlNodePtr>;

}  // namespace velloway::modXMLToolbox
