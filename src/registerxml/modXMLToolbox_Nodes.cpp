// Creating documents, elements and attributes, and placing deep copies in a tree.
#include <libxml/tree.h>

#include <string_view>

#include "registerxml/XmlSelectionNamespaces.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modXMLToolbox {
namespace {

const xmlChar* Xml(const std::string& text) {
  return reinterpret_cast<const xmlChar*>(text.c_str());
}

// A deep copy of node made for the document of target; null for a node that cannot be a child.
xmlNodePtr CopyFor(xmlNodePtr node, xmlDocPtr target) {
  if (node->type == XML_DOCUMENT_NODE || node->type == XML_HTML_DOCUMENT_NODE) return nullptr;
  return xmlDocCopyNode(node, target, 1);
}

// Texts this short ("0", "1", "M", "Yes") recur across thousands of risks: kept in the
// document's dictionary, as the parser keeps them, each is stored once. Longer ones (IDs, dates,
// amounts) are mostly distinct, and the dictionary's table stops growing at some ten thousand
// buckets: with a million distinct texts in it every lookup walked a long chain.
constexpr std::size_t kSharedTextLength = 3;

// A text node made here is raw text: "&" and "<" are characters, not markup.
xmlNodePtr NewText(xmlDocPtr doc, const std::string& text) {
  const int length = static_cast<int>(text.size());
  if (doc == nullptr || doc->dict == nullptr || text.size() > kSharedTextLength) {
    return xmlNewDocTextLen(doc, Xml(text), length);
  }
  xmlNodePtr node = xmlNewDocText(doc, nullptr);
  const xmlChar* shared = xmlDictLookup(doc->dict, Xml(text), length);
  if (node == nullptr || shared == nullptr) {
    xmlFreeNode(node);
    return nullptr;
  }
  // libxml2 never frees nor changes in place a text that its document's dictionary owns.
  node->content = const_cast<xmlChar*>(shared);
  return node;
}

// An element of the name given; its name comes from the document's dictionary when there is one,
// as the parser makes its elements.
xmlNodePtr NewElement(xmlDocPtr doc, std::string_view name) {
  if (const xmlChar* shared = SharedName(doc, name)) {
    return xmlNewDocNodeEatName(doc, nullptr, const_cast<xmlChar*>(shared), nullptr);
  }
  return xmlNewDocNode(doc, nullptr, Xml(std::string(name)), nullptr);
}

}  // namespace

XmlDocument CreateXmlDocument(const std::string& rootName, const std::string& namespaceUri) {
  XmlDocument doc(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
  // A register repeats a few dozen element names hundreds of thousands of times: with a
  // dictionary every node shares its name instead of holding a copy.
  doc->dict = xmlDictCreate();
  doc->encoding = xmlStrdup(reinterpret_cast<const xmlChar*>("UTF-8"));
  XmlNode root = CreateXmlElement(doc.get(), rootName, {}, {}, {}, namespaceUri);
  xmlDocSetRootElement(doc.get(), root.release());
  if (!namespaceUri.empty()) BindRegisterPrefix(doc.get());
  return doc;
}

XmlNode CreateXmlElement(xmlDocPtr doc, const std::string& name, const std::string& text,
                         const std::string& attributeName, const std::string& attributeValue,
                         const std::string& namespaceUri) {
  std::string prefix;
  std::string_view localName = name;
  if (const auto colon = name.find(':'); colon != std::string::npos && !namespaceUri.empty()) {
    prefix = name.substr(0, colon);
    localName.remove_prefix(colon + 1);
  }
  XmlNode element(NewElement(doc, localName));
  if (!element) return element;
  if (!namespaceUri.empty()) {
    xmlNsPtr ns =
        xmlNewNs(element.get(), Xml(namespaceUri), prefix.empty() ? nullptr : Xml(prefix));
    xmlSetNs(element.get(), ns);
  }
  if (!attributeName.empty() && !attributeValue.empty()) {
    AddXmlAttribute(doc, element.get(), attributeName, attributeValue);
  }
  if (!text.empty()) {
    // The one child of a new element: linked as xmlAddChild would, without its merging checks.
    if (xmlNodePtr child = NewText(doc, text)) {
      child->parent = element.get();
      element->children = element->last = child;
    }
  }
  return element;
}

void AddXmlAttribute(xmlDocPtr /*doc*/, xmlNodePtr element, const std::string& name,
                     const std::string& value) {
  if (element != nullptr) xmlSetProp(element, Xml(name), Xml(value));
}

bool AppendCloneToRoot(xmlDocPtr doc, xmlNodePtr node) {
  if (doc == nullptr) return false;
  return AppendClone(xmlDocGetRootElement(doc), node);
}

bool AppendClone(xmlNodePtr parent, xmlNodePtr child) {
  // Only an element takes children here: a document keeps its one document element.
  if (parent == nullptr || child == nullptr || parent->type != XML_ELEMENT_NODE) return false;
  xmlNodePtr copy = CopyFor(child, parent->doc);
  if (copy == nullptr) return false;
  if (xmlAddChild(parent, copy) == nullptr) {
    xmlFreeNode(copy);
    return false;
  }
  return true;
}

bool AppendOwned(xmlNodePtr parent, XmlNode child) {
  if (parent == nullptr || !child || parent->type != XML_ELEMENT_NODE) return false;
  if (child->doc != parent->doc) return AppendClone(parent, child.get());
  xmlNodePtr node = child.release();
  if (xmlAddChild(parent, node) == nullptr) {
    xmlFreeNode(node);
    return false;
  }
  return true;
}

bool ReplaceXmlNode(xmlNodePtr oldNode, xmlNodePtr newNode) {
  if (oldNode == nullptr || newNode == nullptr || oldNode->parent == nullptr) return false;
  xmlNodePtr copy = CopyFor(newNode, oldNode->doc);
  if (copy == nullptr) return false;
  xmlReplaceNode(oldNode, copy);
  xmlFreeNode(oldNode);
  return true;
}

}  // namespace velloway::modXMLToolbox
