#include "registerxml/clsXmlMitAction.h"

#include "registerxml/ElementBuilder.h"
#include "registerxml/LevelLookup.h"

namespace velloway {

using namespace registerxml;

modXMLToolbox::XmlNode clsXmlMitAction::GetNode(LibraryState& state, xmlDocPtr xmlDoc) const {
  auto action = modXMLToolbox::CreateXmlElement(xmlDoc, "ResponseAction");
  xmlNodePtr node = action.get();
  xmlNodePtr after = AddTextChild(node, "AfterAction");
  AddImpactsChild(after, m_colPostImpacts);
  AddTextChild(after, "Probability",
               LevelPosition(xmlDoc, "Probability", "ShortName", m_strPostProb));
  AddNumberChild(after, "Score", m_dblPostScore);
  AddTextChild(node, "Description", m_strDescr);
  AddTextChild(node, "Responsibility", m_strRespon);
  AddOptionalDateChild(state, node, "TargetStartDate", m_strTargetStartDate);
  AddOptionalDateChild(state, node, "TargetFinishDate", m_strTargetFinishDate);
  AddDateChild(state, node, "StartDate", m_strStartDate);
  AddDateChild(state, node, "FinishDate", m_strFinishDate);
  AddNumberChild(node, "MitigationCost", m_dblMitCost);
  AddNumberChild(node, "ActualCost", m_dblActualCost);
  AddTextChildOr(node, "Status", m_strStatus, "Proposed");
  AddTextChild(node, "TaskID", m_strTaskID);
  AddTextChild(node, "TaskDescription");
  AddTextChild(node, "UserText1", m_strFieldText1);
  AddTextChild(node, "UserText2", m_strFieldText2);
  AddTextChild(node, "UserText3", m_strFieldText3);
  AddTextChild(node, "UserText4", m_strFieldText4);
  AddTextChild(node, "UserText5", m_strFieldText5);
  return action;
}

}  // namespace velloway
