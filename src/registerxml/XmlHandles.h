// Owning handles for libxml2 objects, so that every document, detached node and query result is
// released on every way out.
#pragma once

#include <memory>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

namespace velloway::modXMLToolbox {

struct XmlDocDeleter {
  void operator()(_xmlDoc* doc) const;
};
// A whole document and everything in it.
using XmlDocument = std::unique_ptr<_xmlDoc, XmlDocDeleter>;

struct XmlNodeDeleter {
  void operator()(_xmlNode* node) const;
};
// A node that belongs to no tree (made by CreateXmlElement or a builder's GetNode). It must be
// released before the document it was made in.
using XmlNode = std::unique_ptr<_xmlNode, XmlNodeDeleter>;

// Nodes selected by a query, in document order; they stay owned by their document.
using XmlNodeList = std::vector<_xmlNode*>;

}  // namespace velloway::modXMLToolbox
