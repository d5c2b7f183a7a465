// One response (mitigation) action of a risk, built as a "ResponseAction" element.
#pragma once

#include <string>

#include "registerxml/clsXmlImpacts.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway {

struct clsXmlMitAction {
  std::string m_strMitigationName;  // the action's name (read by the actions step, not written)
  std::string m_strRiskID;          // the owning risk (read by the actions step, not written)
  std::string m_strDescr;
  std::string m_strRespon;  // responsibility
  std::string m_strStatus;  // "Proposed" when empty
  std::string m_strTaskID;  // the linked task
  std::string m_strFieldText1;
  std::string m_strFieldText2;
  std::string m_strFieldText3;
  std::string m_strFieldText4;
  std::string m_strFieldText5;
  std::string m_strStartDate;         // today's date when empty
  std::string m_strFinishDate;        // today's date when empty
  std::string m_strTargetStartDate;   // no element when empty
  std::string m_strTargetFinishDate;  // no element when empty
  std::string m_strPostProb;          // probability after the action, as a level short name
  double m_dblMitCost = 0;
  double m_dblActualCost = 0;
  double m_dblPostScore = 0;
  clsXmlImpacts m_colPostImpacts;  // impacts after the action

  // "ResponseAction": AfterAction (Impacts, Probability, Score), then the action's own values.
  modXMLToolbox::XmlNode GetNode(LibraryState& state, xmlDocPtr xmlDoc) const;
};

}  // namespace velloway
