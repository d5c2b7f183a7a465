// The Options sheet of an older template: ready-made XML fragments, one a cell, taken over into
// the register document, and the plain values that tell later steps where their columns are.
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "registerxml/modXMLToolbox.h"
#include "workbook/CellText.h"

namespace velloway::modBuildXmlFile {
namespace {

using namespace modXMLToolbox;

// Options cells: the fragments in column A, the version text and the layout values.
constexpr std::int32_t kOptionsRow = 1;
constexpr std::int32_t kUserFieldDefinitionsRow = 3;
constexpr std::int32_t kPidRow = 4;
constexpr std::int32_t kSourceProjectRow = 5;
constexpr std::int32_t kPlanDataRow = 6;
constexpr std::int32_t kVersionRow = 14;
constexpr std::int32_t kFirstLayoutRow = 16;

std::string OptionsCell(LibraryState& state, std::int32_t row, std::int32_t column) {
  return workbook::GetCellText(state.sheets.options, row, column, false);
}

// Loads the fragment of a cell in column A and appends a copy of its document element when that
// is an unprefixed element of the name given; anything else of a loaded fragment is ignored.
// False when the text does not load as XML.
bool CopyFragment(LibraryState& state, std::int32_t row, const char* name, xmlNodePtr parent) {
  const XmlDocument fragment = LoadXml(OptionsCell(state, row, 1));
  if (!fragment) return false;
  AppendClone(parent, SelectSingleNode(DocumentNode(fragment.get()), name));
  return true;
}

// The same, with an empty element in place of a fragment that does not load.
void CopyFragmentOrEmpty(LibraryState& state, std::int32_t row, const char* name,
                         xmlNodePtr parent) {
  if (CopyFragment(state, row, name, parent)) return;
  const XmlNode empty = CreateXmlElement(registerxml::TheDocument(state).get(), name);
  AppendClone(parent, empty.get());
}

}  // namespace

bool AddOptionsToXml(LibraryState& state) {
  AddErrorHeading(state, "Options");
  try {
    const XmlDocument options = LoadXml(OptionsCell(state, kOptionsRow, 1));
    if (!options) {
      AddError(state, "");
      return false;
    }
    registerxml::RegisterXmlRun(state).optionsVersion = OptionsCell(state, kVersionRow, 1);
    const registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
    AppendClone(SelectSingleNode(doc.node(), kRiskRegisterPath),
                SelectSingleNode(DocumentNode(options.get()), "Options"));
    for (std::size_t i = 0; i < registerxml::RegisterXmlRun(state).layoutValues.size(); ++i) {
      registerxml::RegisterXmlRun(state).layoutValues[i] =
          OptionsCell(state, kFirstLayoutRow + static_cast<std::int32_t>(i), 2);
    }
    return true;
  } catch (...) {
    AddError(state, "");
    return false;
  }
}

bool AddPidToXml(LibraryState& state) {
  AddErrorHeading(state, "PID");
  try {
    const registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
    xmlNodePtr riskRegister = SelectSingleNode(doc.node(), kRiskRegisterPath);
    if (!CopyFragment(state, kPidRow, "PID", riskRegister)) AddError(state, msg::kNoPidInformation);
    CopyFragmentOrEmpty(state, kUserFieldDefinitionsRow, "UserFieldDefinitions", riskRegister);
    const XmlNode rbs = CreateXmlElement(doc.get(), "RBS");
    AppendClone(riskRegister, rbs.get());
    CopyFragmentOrEmpty(state, kSourceProjectRow, "SourceProjectID", riskRegister);
    // Plan data belongs to the root, after RiskRegister.
    CopyFragmentOrEmpty(state, kPlanDataRow, "PlanData", xmlDocGetRootElement(doc.get()));
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace velloway::modBuildXmlFile
