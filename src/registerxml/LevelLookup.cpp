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

std::string PositionOf(xmlNodePtr level) {
  xmlAttrPtr position = xmlHasNsProp(level, reinterpret_cast<const xmlChar*>("Position"), nullptr);
  return modXMLToolbox::NodeText(reinterpret_cast<xmlNodePtr>(position));
}

}  // namespace

std::string LevelPosition(xmlDocPtr doc, const std::string& levelType,
                          const std::string& matchField, const std::string& value) {
  using namespace modXMLToolbox;
  const std::string query = std::string(kRiskRegisterPath) + "/PID/LevelTypes/LevelType[@Name='" +
                            levelType + "']/Levels/Level";
  const XmlNodeList levels = SelectNodesOrThrow(DocumentNode(doc), query);
  const std::string wanted = UnicodeUpper(value);
  for (xmlNodePtr level : levels) {
    if (UnicodeUpper(FirstChildText(level, matchField)) == wanted) return PositionOf(level);
  }
  return "0";
}

}  // namespace velloway::registerxml
