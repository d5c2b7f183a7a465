#include "registerxml/clsXmlUserfield.h"

#include "registerxml/ElementBuilder.h"

namespace velloway {

modXMLToolbox::XmlNode clsXmlUserfield::GetNode(LibraryState& state, xmlDocPtr xmlDoc) const {
  auto field = modXMLToolbox::CreateXmlElement(xmlDoc, "UserFieldValue", {}, "ID", m_strID);
  registerxml::AddTextChild(field.get(), "Name", m_strName);
  const bool isDate = m_strType == "Start Date" || m_strType == "Finish Date";
  registerxml::AddTextChild(
      field.get(), "Value",
      isDate ? modXMLToolbox::XmlDateText(state, m_strValue, true) : m_strValue);
  return field;
}

}  // namespace velloway
