#include "registerxml/clsXmlRisk.h"

#include "registerxml/ElementBuilder.h"
#include "registerxml/LevelLookup.h"

namespace velloway {

using namespace registerxml;

namespace {

// "Pre-mitigation" or "Post-mitigation": the quantitative block (filled later by the
// quantitative steps), the impacts, the probability's level position and the score.
void AddPlanContainer(xmlNodePtr risk, const char* name, const clsXmlImpacts& impacts,
                      const std::string& probability, double score) {
  xmlNodePtr plan = AddTextChild(risk, name);
  xmlNodePtr quantitative = AddTextChild(plan, "Quantitative");
  AddTextChild(quantitative, "TaskImpacts");
  AddTextChild(quantitative, "MeanSchedule", "0");
  AddTextChild(quantitative, "MeanCost", "0");
  AddTextChild(quantitative, "Probability", "0");
  AddImpactsChild(plan, impacts);
  AddTextChild(plan, "Probability",
               LevelPosition(risk->doc, "Probability", "ShortName", probability));
  AddNumberChild(plan, "Score", score);
}

void AddUserFieldValues(LibraryState& state, xmlNodePtr risk, const clsXMLUserfields& fields) {
  xmlNodePtr container = AddTextChild(risk, "UserFieldValues");
  for (const clsXmlUserfield& field : fields) {
    xmlAddChild(container, field.GetNode(state, risk->doc).release());
  }
}

}  // namespace

modXMLToolbox::XmlNode clsXmlRisk::GetNode(LibraryState& state, xmlDocPtr xmlDoc,
                                           bool bIncludeHistory) const {
  auto element = modXMLToolbox::CreateXmlElement(xmlDoc, bIncludeHistory ? "RiskHistory" : "Risk",
                                                 {}, "ID", m_strID);
  xmlNodePtr risk = element.get();
  if (!bIncludeHistory) AddTextChild(risk, "Historys");
  AddUserFieldValues(state, risk, m_colUserfields);
  AddPlanContainer(risk, "Post-mitigation", m_colTarImpacts, m_strTarprob, m_dblTarScore);
  AddPlanContainer(risk, "Pre-mitigation", m_colCurImpacts, m_strCurProb, m_dblCurScore);
  AddTextChild(risk, "ID", m_strID);
  AddTextChildOr(risk, "Type", m_strType, "Threat");
  AddTextChild(risk, "Title", m_strTitle);
  AddTextChild(risk, "Manageability",
               LevelPosition(xmlDoc, "Manageability", "FullName", m_strManageability));
  AddTextChild(risk, "Proximity", "0");
  AddDateChild(state, risk, "StartDate", m_strStartDate);
  AddDateChild(state, risk, "EndDate", m_strEndDate);
  AddNumberChild(risk, "Exposure", m_dblExpos);
  AddTextChildOr(risk, "Mitigation", m_strResponse, "Reduce");
  AddTextChild(risk, "ResponseTitle", m_strResponTitle);
  AddNumberChild(risk, "ResponseTotalCost", m_dblResponCost);
  AddBooleanChild(risk, "ResponseHasActions", m_bHasActions);
  if (!bIncludeHistory) AddTextChild(risk, "ResponseActions");
  AddTextChild(risk, "Notes", m_strFallback);
  AddTextChild(risk, "Owner", m_strOwner);
  AddTextChild(risk, "Description", m_strDescription);
  AddTextChild(risk, "Cause", m_strCause);
  AddTextChild(risk, "Effect", m_strEffect);
  AddTextChild(risk, "RBS", m_strRBS);
  AddTextChildOr(risk, "Status", m_strStatus, "Open");
  AddBooleanChild(risk, "Quantifiable", m_bQuantifiable);
  AddBooleanChild(risk, "Quantified", m_bQuantified);
  return element;
}

}  // namespace velloway
