// One task impact of a risk plan, built as a "TaskImpact" element.
#pragma once

#include <string>

#include "registerxml/modXMLToolbox.h"

namespace velloway {

struct clsXmlTaskImpact {
  std::string m_strScenarioName;  // the plan container (read by the step, not written)
  std::string m_strRiskID;        // the owning risk (read by the step, not written)
  std::string m_strTaskID;
  std::string m_strTitle;      // the task's title (not written)
  std::string m_strDurShape;   // "Uniform" when empty
  std::string m_strCostShape;  // "Uniform" when empty
  double m_dblDurMin = 0;
  double m_dblDurLikely = 0;
  double m_dblDurMax = 0;
  double m_dblCostMin = 0;
  double m_dblCostLikely = 0;
  double m_dblCostMax = 0;
  bool m_bCorrelate = true;
  bool m_bCorrelateEveExist = true;  // correlate existence
  bool m_bLink = false;              // link in series

  // "TaskImpact" [TaskID]: the impact's values, then the six numbers again as entered values.
  modXMLToolbox::XmlNode GetNode(xmlDocPtr xmlDoc) const;
};

}  // namespace velloway
