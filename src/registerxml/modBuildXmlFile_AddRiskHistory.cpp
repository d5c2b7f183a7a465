// An entry of a risk's history: the risk as a history row shows it, with the row's audit date.
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/modToolBox.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modBuildXmlFile {

bool AddRiskHistory(LibraryState& state, modXMLToolbox::XmlNode history, const std::string& riskId,
                    const std::string& auditDate) {
  using namespace modXMLToolbox;
  registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
  xmlNodePtr risk = doc.FindRisk(riskId);
  if (risk == nullptr) {
    AddError(state, modToolBox::FormatMessage(state, msg::kHistoryRiskMissing,
                                              {registerxml::RiskIdOf(history.get()), riskId}));
    return false;
  }
  XmlNode entry = CreateXmlElement(doc.get(), "History");
  AppendOwned(entry.get(), std::move(history));
  AppendOwned(entry.get(),
              CreateXmlElement(doc.get(), "AuditDate", XmlDateText(state, auditDate, false)));
  AppendOwned(SelectSingleNode(risk, "Historys"), std::move(entry));
  return false;
}

}  // namespace velloway::modBuildXmlFile
