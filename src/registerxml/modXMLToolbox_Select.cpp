// XPath queries on a node and the texts of the nodes they select.
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>

#include "core/ImportError.h"
#include "registerxml/XmlSelectionNamespaces.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modXMLToolbox {
namespace {

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const {
    return std::hash<std::string_view>{}(name);
  }
};

// Kept in the document's private pointer; nothing else of ours uses it.
struct QueryState {
  bool bindsRegisterPrefix = false;
  xmlXPathContextPtr context = nullptr;
  // Element names as the document's dictionary holds them, each looked up there once.
  std::unordered_map<std::string, const xmlChar*, NameHash, std::equal_to<>> sharedNames;
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

// A path of plain child names ("Historys", "ksrr:Kestrion/RiskRegister/Risks"), each with the
// register prefix or none: what it selects is found by walking the children, without compiling
// a query for every risk.
bool IsPlainChildPath(std::string_view xpath) {
  const std::string prefix = std::string(kRegisterPrefix) + ":";
  bool stepStart = true;
  for (std::size_t i = 0; i < xpath.size(); ++i) {
    const char c = xpath[i];
    if (c == '/') {
      if (stepStart) return false;
      stepStart = true;
      continue;
    }
    if (stepStart && xpath.substr(i, prefix.size()) == prefix) i += prefix.size();
    const char n = i < xpath.size() ? xpath[i] : '\0';
    const bool letter = (n >= 'A' && n <= 'Z') || (n >= 'a' && n <= 'z') || n == '_';
    const bool nameChar = letter || (n >= '0' && n <= '9') || n == '-' || n == '.';
    if (stepStart ? !letter : !nameChar) return false;
    stepStart = false;
  }
  return !stepStart;
}

// One step of a plain child path: a name, in the register namespace when it had the prefix.
struct Step {
  explicit Step(std::string_view step) : name(step) {
    if (const std::size_t colon = step.find(':'); colon != std::string_view::npos) {
      registerNamespace = true;
      name.remove_prefix(colon + 1);
    }
  }
  std::string_view name;
  bool registerNamespace = false;
};

// Compared without measuring the node's name first: most children differ in their first bytes.
bool IsNamed(const xmlChar* name, std::string_view wanted) {
  const char* chars = reinterpret_cast<const char*>(name);
  return std::strncmp(chars, wanted.data(), wanted.size()) == 0 && chars[wanted.size()] == '\0';
}

bool Matches(xmlNodePtr node, const Step& step) {
  if (node->type != XML_ELEMENT_NODE || !IsNamed(node->name, step.name)) return false;
  if (!step.registerNamespace) return node->ns == nullptr;
  return node->ns != nullptr && node->ns->href != nullptr &&
         std::string_view(kRegisterNamespaceUri) == reinterpret_cast<const char*>(node->ns->href);
}

// The elements the path names, step by step, in document order.
XmlNodeList SelectChildPath(xmlNodePtr node, std::string_view xpath) {
  XmlNodeList current{node};
  for (std::size_t start = 0; start <= xpath.size();) {
    const std::size_t end = std::min(xpath.find('/', start), xpath.size());
    const Step step(xpath.substr(start, end - start));
    XmlNodeList next;
    for (xmlNodePtr parent : current) {
      for (xmlNodePtr child = parent->children; child != nullptr; child = child->next) {
        if (Matches(child, step)) next.push_back(child);
      }
    }
    current.swap(next);
    start = end + 1;
  }
  return current;
}

std::string Invalid(const std::string& xpath) { return "the query \"" + xpath + "\" is not valid"; }

}  // namespace

void BindRegisterPrefix(xmlDocPtr doc) { QueryStateOf(doc).bindsRegisterPrefix = true; }

bool BindsRegisterPrefix(xmlDocPtr doc) {
  const auto* queries = static_cast<const QueryState*>(doc->_private);
  return queries != nullptr && queries->bindsRegisterPrefix;
}

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

const xmlChar* SharedName(xmlDocPtr doc, std::string_view name) {
  if (doc == nullptr || doc->dict == nullptr) return nullptr;
  auto& names = QueryStateOf(doc).sharedNames;
  if (const auto found = names.find(name); found != names.end()) return found->second;
  const xmlChar* shared = xmlDictLookup(doc->dict, reinterpret_cast<const xmlChar*>(name.data()),
                                        static_cast<int>(name.size()));
  if (shared != nullptr) names.emplace(name, shared);
  return shared;
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
  // A prefix the document does not bind makes the query invalid, as XPath finds.
  if (IsPlainChildPath(xpath) && (xpath.find(':') == std::string::npos ||
                                  QueryStateOf(DocumentOf(node)).bindsRegisterPrefix)) {
    return SelectChildPath(node, xpath);
  }
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
