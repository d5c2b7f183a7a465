// One impact of a risk or action: its name and level, built as an "Impact" element.
#pragma once

#include <string>

#include "registerxml/modXMLToolbox.h"

namespace velloway {

struct clsXmlImpact {
  std::string m_strName;   // the impact's name: the header text of its column
  std::string m_strValue;  // the impact level, as a level short name

  // "Impact" [Name] with Name, then Value: the position of the level in the level type
  // "Impacts", whatever the impact's own name. Built in xmlDoc, outside its tree.
  modXMLToolbox::XmlNode GetNode(xmlDocPtr xmlDoc) const;
};

}  // namespace velloway
