#include "registerxml/LevelLookup.h"

#include <cstring>
#include <string_view>

#include "registerxml/UnicodeCase.h"
#include "registerxml/XmlSelectionNamespaces.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::registerxml {
namespace {

// Every risk, action and impact looks a level up, so the PID section is walked in place: no
// query, no node list and no copy of a text that a single text node holds.

bool IsPlainElement(xmlNodePtr node, const char* name) {
  return node->type == XML_ELEMENT_NODE && node->ns == nullptr &&
         std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

// The first child element of this name without a namespace; null when none.
xmlNodePtr FirstChild(xmlNodePtr parent, const char* name) {
  for (xmlNodePtr child = parent->children; child != nullptr; child = child->next) {
    if (IsPlainElement(child, name)) return child;
  }
  return nullptr;
}

// What a node's text is, read in place when one text node holds it all; spare keeps the text
// of any other node.
std::string_view TextOf(xmlNodePtr node, std::string& spare) {
  if (node == nullptr) return {};
  if (node->children == nullptr) return {};
  xmlNodePtr only = node->children;
  if (only->next == nullptr && only->type == XML_TEXT_NODE && only->content != nullptr) {
    return reinterpret_cast<const char*>(only->content);
  }
  spare = modXMLToolbox::NodeText(node);
  return spare;
}

std::string_view AttributeText(xmlNodePtr element, const char* name, std::string& spare) {
  xmlAttrPtr attribute = xmlHasNsProp(element, reinterpret_cast<const xmlChar*>(name), nullptr);
  return TextOf(reinterpret_cast<xmlNodePtr>(attribute), spare);
}

// Whether text upper-cased is upper: an ASCII text is compared letter by letter.
bool UpperEquals(std::string_view text, const std::string& upper) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return UnicodeUpper(text) == upper;
  }
  if (text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != upper[i]) return false;
  }
  return true;
}

// Calls visit on each element that the plain child path "RiskRegister/PID/..." names below
// parent, in document order, until visit returns true.
template <typename Visit>
bool VisitPath(xmlNodePtr parent, const char* const* steps, std::size_t count, Visit& visit) {
  for (xmlNodePtr child = parent->children; child != nullptr; child = child->next) {
    if (!IsPlainElement(child, steps[0])) continue;
    if (count == 1 ? visit(child) : VisitPath(child, steps + 1, count - 1, visit)) return true;
  }
  return false;
}

}  // namespace

std::string LevelPosition(xmlDocPtr doc, const std::string& levelType,
                          const std::string& matchField, const std::string& value) {
  using namespace modXMLToolbox;
  // What ".../LevelType[@Name='levelType']/Levels/Level" selects, level type by level type.
  const std::string types = std::string(kRiskRegisterPath) + "/PID/LevelTypes/LevelType";
  // A document that does not bind the register prefix fails as that query does.
  if (!BindsRegisterPrefix(doc)) SelectNodesOrThrow(DocumentNode(doc), types);
  const std::string wanted = UnicodeUpper(value);
  std::string position;
  std::string spare;
  auto visitLevel = [&](xmlNodePtr level) {
    if (!UpperEquals(TextOf(FirstChild(level, matchField.c_str()), spare), wanted)) return false;
    position = AttributeText(level, "Position", spare);
    return true;
  };
  auto visitType = [&](xmlNodePtr type) {
    if (AttributeText(type, "Name", spare) != levelType) return false;
    static const char* const kLevels[] = {"Levels", "Level"};
    return VisitPath(type, kLevels, 2, visitLevel);
  };
  static const char* const kTypes[] = {"RiskRegister", "PID", "LevelTypes", "LevelType"};
  for (xmlNodePtr root = doc->children; root != nullptr; root = root->next) {
    if (root->type != XML_ELEMENT_NODE || root->ns == nullptr || root->ns->href == nullptr ||
        std::strcmp(reinterpret_cast<const char*>(root->ns->href), kRegisterNamespaceUri) != 0 ||
        std::strcmp(reinterpret_cast<const char*>(root->name), "Kestrion") != 0) {
      continue;
    }
    if (VisitPath(root, kTypes, 4, visitType)) return position;
  }
  return "0";
}

}  // namespace velloway::registerxml
