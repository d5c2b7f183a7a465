// One user field value of a risk, built as a "UserFieldValue" element.
#pragma once

#include <string>

#include "registerxml/modXMLToolbox.h"

namespace velloway {

struct clsXmlUserfield {
  std::string m_strID;     // the user field's ID, from its definition
  std::string m_strName;   // the user field's name: the header text of its column
  std::string m_strValue;  // the row's cell text
  std::string m_strType;   // the user field's type, from its definition

  // "UserFieldValue" [ID] with Name and Value. Value is a date ("yyyy-mm-dd", or empty) for the
  // types "Start Date" and "Finish Date" exactly, the text unchanged for any other type.
  modXMLToolbox::XmlNode GetNode(LibraryState& state, xmlDocPtr xmlDoc) const;
};

}  // namespace velloway
