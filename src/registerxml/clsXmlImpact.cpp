#include "registerxml/clsXmlImpact.h"

#include "registerxml/ElementBuilder.h"
#include "registerxml/LevelLookup.h"

namespace velloway {

modXMLToolbox::XmlNode clsXmlImpact::GetNode(xmlDocPtr xmlDoc) const {
  auto impact = modXMLToolbox::CreateXmlElement(xmlDoc, "Impact", {}, "Name", m_strName);
  registerxml::AddTextChild(impact.get(), "Name", m_strName);
  registerxml::AddTextChild(impact.get(), "Value",
                            registerxml::LevelPosition(xmlDoc, "Impacts", "ShortName", m_strValue));
  return impact;
}

}  // namespace velloway
