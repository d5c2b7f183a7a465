// XPath queries on a node and the texts of the nodes they select.
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>

#include "core/ImportError.h"
#include "registerxml/XmlSelectionNamespaces.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modXMLToolbox {
namespace {

// Kept in the document's private pointer; nothing else of ours uses it.
struct QueryState {
  bool bindsRegisterPrefix = false;
  xmlXPathContextPtr context = nullptr;
};

QueryState& QueryStateOf(xmlDocPtr doc) {
  if (doc->_private == nullptr) doc->_private = new QueryState;
  return *static_cast<QueryState*>(doc->_private);
}

struct XPathObjectDeleter {
  void operator()(xmlXPathObject* object) const { xmlXPathFreeObject(object); }
};

void IgnoreXPathError(void* /*data*/, xmlErrorPtr /*error*/) {}

const xmlChar* Xml(const std::string& text) {
  return reinterpret_cast<const xmlChar*>(text.c_str());
}

xmlDocPtr DocumentOf(xmlNodePtr node) {
  return node->type == XML_DOCUMENT_NODE ? reinterpret_cast<xmlDocPtr>(node) : node->doc;
}

std::string Invalid(const std::string& xpath) { return "the query \"" + xpath + "\" is not valid"; }

}  // namespace

void BindRegisterPrefix(xmlDocPtr doc) { QueryStateOf(doc).bindsRegisterPrefix = true; }

xmlXPathContextPtr QueryContextOf(xmlDocPtr doc) {
  QueryState& queries = QueryStateOf(doc);
  if (queries.context == nullptr) {
    queries.context = xmlXPathNewContext(doc);
    if (queries.context == nullptr) return nullptr;
    queries.context->error = IgnoreXPathError;  // the exception says what went wrong
    if (queries.bindsRegisterPrefix) {
      xmlXPathRegisterNs(queries.context, Xml(kRegisterPrefix), Xml(kRegisterNamespaceUri));
    }
  }
  return queries.context;
}

void ReleaseQueryState(xmlDocPtr doc) {
  auto* queries = static_cast<QueryState*>(doc->_private);
  if (queries == nullptr) return;
  xmlXPathFreeContext(queries->context);
  delete queries;
  doc->_private = nullptr;
}

XmlNodeList SelectNodesOrThrow(xmlNodePtr node, const std::string& xpath) {
  if (node == nullptr) throw ImportError("no node to query", xpath);
  xmlXPathContextPtr ctx = QueryContextOf(DocumentOf(node));
  if (ctx == nullptr) throw ImportError("no memory for a query", xpath);
  ctx->node = node;
  ctx->contextSize = -1;
  ctx->proximityPosition = -1;
  std::unique_ptr<xmlXPathObject, XPathObjectDeleter> result(
      xmlXPathEvalExpression(Xml(xpath), ctx));
  if (!result || result->type != XPATH_NODESET) throw ImportError(Invalid(xpath));
  XmlNodeList nodes;
  if (result->nodesetval != nullptr) {
    for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
      xmlNodePtr selected = result->nodesetval->nodeTab[i];
      // Namespace nodes are copies that die with the result; no caller asks for them.
      if (selected->type != XML_NAMESPACE_DECL) nodes.push_back(selected);
    }
  }
  return nodes;
}

std::optional<XmlNodeList> SelectXmlNodes(xmlNodePtr node, const std::string& xpath) {
  if (xpath.empty()) return std::nullopt;
  try {
    return SelectNodesOrThrow(node, xpath);
  } catch (const ImportError&) {
    return std::nullopt;
  }
}

xmlNodePtr SelectSingleNode(xmlNodePtr node, const std::string& xpath) {
  XmlNodeList nodes = SelectNodesOrThrow(node, xpath);
  return nodes.empty() ? nullptr : nodes.front();
}

std::string NodeText(xmlNodePtr node) {
  if (node == nullptr) return {};
  xmlChar* content = xmlNodeGetContent(node);
  std::string text(content != nullptr ? reinterpret_cast<const char*>(content) : "");
  xmlFree(content);
  return text;
}

std::string GetXmlNodeText(xmlNodePtr node, const std::string& xpath) {
  const auto nodes = SelectXmlNodes(node, xpath);
  return nodes && !nodes->empty() ? NodeText(nodes->front()) : std::string();
}

void SetXmlNodeText(xmlNodePtr node, const std::string& xpath, const std::string& text) {
  const auto nodes = SelectXmlNodes(node, xpath);
  if (!nodes || nodes->empty()) return;
  xmlNodePtr target = nodes->front();
  if (target->type == XML_ATTRIBUTE_NODE) {
    xmlSetNsProp(target->parent, target->ns, target->name, Xml(text));
    return;
  }
  xmlNodeSetContent(target, nullptr);  // drops the children
  if (!text.empty()) xmlNodeAddContentLen(target, Xml(text), static_cast<int>(text.size()));
}

}  // namespace velloway::modXMLToolbox
