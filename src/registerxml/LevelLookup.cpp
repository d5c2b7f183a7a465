#include "registerxml/LevelLookup.h"

#include "registerxml/UnicodeCase.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::registerxml {
namespace {

// What the queries "matchField" and "@Position" give on a level, without a query per level.
std::string FirstChildText(xmlNodePtr level, const std::string& name) {
  for (xmlNodePtr child = level->children; child != nullptr; child = child->next) {
    if (child->type == XML_ELEMENT_NODE && child->ns == nullptr &&
        name == reinterpret_cast<const char*>(child->name)) {
      return modXMLToolbox::NodeText(child);
    }
  }
  return {};
}

// The text of the element's attribute of this name without a namespace; empty when none.
std::string AttributeText(xmlNodePtr element, const char* name) {
  xmlAttrPtr attribute = xmlHasNsProp(element, reinterpret_cast<const xmlChar*>(name), nullptr);
  return modXMLToolbox::NodeText(reinterpret_cast<xmlNodePtr>(attribute));
}

std::string PositionOf(xmlNodePtr level) { return AttributeText(level, "Position"); }

}  // namespace

std::string LevelPosition(xmlDocPtr doc, const std::string& levelType,
                          const std::string& matchField, const std::string& value) {
  using namespace modXMLToolbox;
  // What ".../LevelType[@Name='levelType']/Levels/Level" selects, level type by level type.
  const std::string types = std::string(kRiskRegisterPath) + "/PID/LevelTypes/LevelType";
  const std::string wanted = UnicodeUpper(value);
  for (xmlNodePtr type : SelectNodesOrThrow(DocumentNode(doc), types)) {
    if (AttributeText(type, "Name") != levelType) continue;
    for (xmlNodePtr level : SelectNodesOrThrow(type, "Levels/Level")) {
      if (UnicodeUpper(FirstChildText(level, matchField)) == wanted) return PositionOf(level);
    }
  }
  return "0";
}

}  // namespace velloway::registerxml
