// One risk of the register, built as a "Risk" element, or as "RiskHistory" for an entry of its
// history.
#pragma once

#include <string>

#include "registerxml/clsXMLUserfields.h"
#include "registerxml/clsXmlImpacts.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway {

struct clsXmlRisk {
  std::string m_strID;
  std::string m_strType;  // "Threat" when empty
  std::string m_strTitle;
  std::string m_strManageability;  // a manageability level, as its full name
  std::string m_strOwner;
  std::string m_strDescription;
  std::string m_strCause;
  std::string m_strEffect;
  std::string m_strRBS;        // risk breakdown structure code
  std::string m_strStatus;     // "Open" when empty
  std::string m_strProximity;  // read by the risks step; the element is always "0"
  std::string m_strResponse;   // response type, "Reduce" when empty
  std::string m_strResponTitle;
  std::string m_strFallback;   // the fallback plan, written as Notes
  std::string m_strStartDate;  // today's date when empty
  std::string m_strEndDate;    // today's date when empty
  std::string m_strCurProb;    // pre-mitigation probability, as a level short name
  std::string m_strTarprob;    // post-mitigation probability, as a level short name
  double m_dblExpos = 0;       // exposure
  double m_dblResponCost = 0;  // response total cost
  double m_dblCurScore = 0;    // pre-mitigation score
  double m_dblTarScore = 0;    // post-mitigation score
  bool m_bQuantified = false;
  bool m_bQuantifiable = true;
  bool m_bHasActions = false;
  clsXmlImpacts m_colCurImpacts;     // pre-mitigation impacts
  clsXmlImpacts m_colTarImpacts;     // post-mitigation impacts
  clsXMLUserfields m_colUserfields;  // user field values
  std::string m_strAuditDate;        // audit date of a history entry (read back, not written here)

  // The "Risk" element with its whole subtree, built in xmlDoc outside its tree. The level
  // positions are looked up in xmlDoc's PID section, which must be in place. With
  // bIncludeHistory the element is "RiskHistory" and has no Historys and no ResponseActions.
  modXMLToolbox::XmlNode GetNode(LibraryState& state, xmlDocPtr xmlDoc,
                                 bool bIncludeHistory = false) const;
};

}  // namespace velloway
