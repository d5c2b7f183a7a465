#include "registerxml/clsXmlTaskImpact.h"

#include "registerxml/ElementBuilder.h"

namespace velloway {

using namespace registerxml;

modXMLToolbox::XmlNode clsXmlTaskImpact::GetNode(xmlDocPtr xmlDoc) const {
  auto impact = modXMLToolbox::CreateXmlElement(xmlDoc, "TaskImpact", {}, "TaskID", m_strTaskID);
  xmlNodePtr node = impact.get();
  AddTextChild(node, "TaskID", m_strTaskID);
  AddTextChild(node, "TaskDescription");
  AddTextChildOr(node, "DurationShape", m_strDurShape, "Uniform");
  AddNumberChild(node, "DurMin", m_dblDurMin);
  AddNumberChild(node, "DurLikely", m_dblDurLikely);
  AddNumberChild(node, "DurMax", m_dblDurMax);
  AddTextChildOr(node, "CostShape", m_strCostShape, "Uniform");
  AddNumberChild(node, "CostMin", m_dblCostMin);
  AddNumberChild(node, "CostLikely", m_dblCostLikely);
  AddNumberChild(node, "CostMax", m_dblCostMax);
  AddBooleanChild(node, "Correlate", m_bCorrelate);
  AddBooleanChild(node, "CorrelateExistence", m_bCorrelateEveExist);
  AddBooleanChild(node, "LinkInSeries", m_bLink);
  AddNumberChild(node, "EnteredDurMin", m_dblDurMin);
  AddNumberChild(node, "EnteredDurLikely", m_dblDurLikely);
  AddNumberChild(node, "EnteredDurMax", m_dblDurMax);
  AddNumberChild(node, "EnteredCostMin", m_dblCostMin);
  AddNumberChild(node, "EnteredCostLikely", m_dblCostLikely);
  AddNumberChild(node, "EnteredCostMax", m_dblCostMax);
  return impact;
}

}  // namespace velloway
