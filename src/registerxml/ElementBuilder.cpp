#include "registerxml/ElementBuilder.h"

#include "registerxml/modXMLToolbox.h"

namespace velloway::registerxml {

using namespace modXMLToolbox;

xmlNodePtr AddTextChild(xmlNodePtr parent, const std::string& name, const std::string& text) {
  XmlNode child = CreateXmlElement(parent->doc, name, text);
  return xmlAddChild(parent, child.release());
}

xmlNodePtr AddTextChildOr(xmlNodePtr parent, const std::string& name, const std::string& text,
                          const char* defaultText) {
  return AddTextChild(parent, name, text.empty() ? std::string(defaultText) : text);
}

xmlNodePtr AddNumberChild(xmlNodePtr parent, const std::string& name, double value) {
  return AddTextChild(parent, name, XmlNumberText(value));
}

xmlNodePtr AddBooleanChild(xmlNodePtr parent, const std::string& name, bool value) {
  return AddTextChild(parent, name, XmlBooleanText(value));
}

xmlNodePtr AddDateChild(LibraryState& state, xmlNodePtr parent, const std::string& name,
                        const std::string& field) {
  return AddTextChild(parent, name, XmlDateText(state, field, false));
}

void AddOptionalDateChild(LibraryState& state, xmlNodePtr parent, const std::string& name,
                          const std::string& field) {
  const std::string date = XmlDateText(state, field, true);
  if (!date.empty()) AddTextChild(parent, name, date);
}

}  // namespace velloway::registerxml
