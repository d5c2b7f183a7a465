// The response action sheet: one action per row with a risk ID, attached to that risk. The
// columns after the fixed ones are placed by Options!B20 (probability after the action) and B21
// (score after the action); the impacts lie between them and five user texts follow the score.
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/modToolBox.h"
#include "registerxml/LayoutColumns.h"
#include "registerxml/RecordSheetRows.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/clsXmlMitAction.h"
#include "registerxml/modBuildXmlFile.h"
#include "ui/frmImportProgress.h"

namespace velloway::modBuildXmlFile {
namespace {

constexpr std::int32_t kRiskIdColumn = 2;
constexpr std::int32_t kNameRow = 2;  // the names of the impact columns

// What the row pass last read, for the error line.
struct LastRead {
  std::string description;
  std::string riskId;
};

void FillAction(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                clsXmlMitAction& action, LastRead& last) {
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet, row, column); };
  const auto number = [&](std::int32_t column) {
    return registerxml::CellNumber(state, sheet, row, column);
  };
  action.m_strMitigationName = text(1);
  action.m_strDescr = last.description = text(3);
  action.m_strRespon = text(4);
  action.m_strTargetStartDate = text(7);
  action.m_strTargetFinishDate = text(8);
  action.m_strStartDate = text(5);
  action.m_strFinishDate = text(6);
  action.m_dblMitCost = number(9);
  action.m_dblActualCost = number(10);
  action.m_strStatus = text(12);
  action.m_strTaskID = text(11);
  const std::int32_t probability =
      registerxml::LayoutColumn(state, registerxml::Layout::ActionProbability);
  const std::int32_t score = registerxml::LayoutColumn(state, registerxml::Layout::ActionScore);
  action.m_strPostProb = text(probability);
  action.m_dblPostScore = number(score);
  for (std::int32_t column = probability + 1; column < score; ++column) {
    action.m_colPostImpacts.Add({workbook::GetCellText(sheet, kNameRow, column), text(column)});
  }
  action.m_strFieldText1 = text(score + 1);
  action.m_strFieldText2 = text(score + 2);
  action.m_strFieldText3 = text(score + 3);
  action.m_strFieldText4 = text(score + 4);
  action.m_strFieldText5 = text(score + 5);
}

}  // namespace

bool ImportResponseActions(LibraryState& state) {
  // A score column that names no column ends the whole import, before this step's trap.
  registerxml::LayoutColumn(state, registerxml::Layout::ActionScore);
  AddErrorHeading(state, msg::kHeadingActions);
  LastRead last;
  try {
    const workbook::Worksheet* sheet = state.sheets.actions;
    registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
    frmImportProgress& form = registerxml::TheProgressForm(state);
    const registerxml::RecordRows rows = registerxml::CountRecordRows(
        sheet, kRiskIdColumn,
        registerxml::HeaderRowOrThrow(sheet, kRiskIdColumn, KeyTest::StoredText));
    form.SetMaxValue(rows.keyCount);
    std::int32_t number = 1;
    for (std::int32_t row = rows.firstDataRow; row <= rows.lastKeyRow; ++row) {
      clsXmlMitAction action;
      action.m_strRiskID = last.riskId = workbook::GetCellText(sheet, row, kRiskIdColumn);
      if (action.m_strRiskID.empty()) continue;
      form.UpdateProgress(
          number, modToolBox::FormatMessage(state, msg::kImportingAction,
                                            {action.m_strRiskID, static_cast<double>(number),
                                             static_cast<double>(rows.keyCount)}));
      FillAction(state, sheet, row, action, last);
      AddResponseAction(state, action.GetNode(state, doc.get()).get(), action.m_strRiskID,
                        action.m_strMitigationName);
      ++number;
    }
    return true;
  } catch (...) {
    AddError(state, modToolBox::FormatMessage(state, msg::kActionReadFailed,
                                              {last.description, last.riskId}));
    return false;
  }
}

bool AddResponseAction(LibraryState& state, xmlNodePtr action, const std::string& riskId,
                       const std::string& /*name*/) {
  using namespace modXMLToolbox;
  xmlNodePtr risk = registerxml::TheDocument(state).FindRisk(riskId);
  if (risk == nullptr) {
    AddError(state, modToolBox::FormatMessage(state, msg::kActionRiskMissing, {riskId}));
    return false;
  }
  // The name is not written: a risk has no MitigationTitle child to take it.
  AppendClone(SelectSingleNode(risk, "ResponseActions"), action);
  SetXmlNodeText(risk, "ResponseHasActions", XmlBooleanText(true));
  return false;
}

}  // namespace velloway::modBuildXmlFile
