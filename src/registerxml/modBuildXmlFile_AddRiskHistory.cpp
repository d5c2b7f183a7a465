// An entry of a risk's history: the risk as a history row shows it, with the row's audit date.
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/modToolBox.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modBuildXmlFile {

bool AddRiskHistory(LibraryState& state, xmlNodePtr history, const std::string& riskId,
                    const std::string& auditDate) {
  using namespace modXMLToolbox;
  registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
  xmlNodePtr risk = doc.FindRisk(riskId);
  if (risk == nullptr) {
    AddError(state, modToolBox::FormatMessage(state, msg::kHistoryRiskMissing,
                                              {registerxml::RiskIdOf(history), riskId}));
    return false;
  }
  const XmlNode entry = CreateXmlElement(doc.get(), "History");
  AppendClone(entry.get(), history);
  const XmlNode date =
      CreateXmlElement(doc.get(), "AuditDate", XmlDateText(state, auditDate, false));
  AppendClone(entry.get(), date.get());
  AppendClone(SelectSingleNode(risk, "Historys"), entry.get());
  return false;
}

}  // namespace velloway::modBuildXmlFile
