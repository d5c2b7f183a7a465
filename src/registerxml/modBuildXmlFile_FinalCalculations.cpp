// The last building step: the response total cost of each risk that has actions.
#include "core/ErrorLog.h"
#include "core/ImportError.h"
#include "core/modToolBox.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "registerxml/modXMLToolbox.h"

namespace velloway::modBuildXmlFile {
namespace {

// A cost as the locale reads it; unlike a cell, an empty cost is no number.
double CostOf(LibraryState& state, const std::string& text) {
  if (text.empty()) throw ConversionError("Type mismatch: an empty mitigation cost");
  return modToolBox::TextToNumber(state, text);
}

}  // namespace

bool DoFinalCalculations(LibraryState& state) {
  using namespace modXMLToolbox;
  AddErrorHeading(state, "Final Calculations");
  try {
    const registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
    const std::string allRisks = std::string(kRiskRegisterPath) + "/Risks/Risk";
    for (xmlNodePtr risk : SelectNodesOrThrow(doc.node(), allRisks)) {
      // Risks without actions keep the total the risks or quantitative step wrote.
      if (GetXmlNodeText(risk, "ResponseHasActions") != "true") continue;
      double total = 0;
      for (xmlNodePtr action : SelectNodesOrThrow(risk, "ResponseActions/ResponseAction")) {
        total += CostOf(state, GetXmlNodeText(action, "MitigationCost"));
      }
      SetXmlNodeText(risk, "ResponseTotalCost", XmlNumberText(total));
    }
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace velloway::modBuildXmlFile
