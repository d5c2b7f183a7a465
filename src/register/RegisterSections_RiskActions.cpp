// Response actions ("Response Actions" or "Qualitative Actions"): one action per row, keyed by
// the ID of its risk in column B; column A holds the action's name.
#include "register/CellValues.h"
#include "register/PlanValues.h"
#include "register/RecordSheet.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"
#include "workbook/CellText.h"

namespace velloway {
namespace {

constexpr std::int32_t kKeyColumn = 2;

clsQualRiskAction ReadActionRow(LibraryState& state, const workbook::Worksheet* sheet,
                                std::int32_t row, std::string key) {
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet, row, column); };
  // The cost columns lose every "$" before use.
  const auto withoutDollar = [&](std::int32_t column) {
    return workbook::GetCellText(sheet, row, column, true);
  };
  clsQualRiskAction action;
  action.m_strMitName = text(1);
  action.m_strRiskID = std::move(key);
  action.m_strDescr = text(3);
  action.m_strRespon = text(4);
  action.m_strTargetDate = text(5);
  action.m_strActualDate = text(6);
  action.m_dbMitCost = ScoreNumber(state, withoutDollar(7));
  action.m_strStatus = text(8);
  action.m_strProb = text(9);
  action.m_strCost = withoutDollar(10);
  action.m_strTime = text(11);
  action.m_strPerformance = text(12);
  action.m_dblScore = ScoreNumber(state, text(13));
  return action;
}

}  // namespace

std::string ActionValue(LibraryState& state, const clsQualRiskAction& action) {
  std::string value;
  const auto field = [&value](const std::string& text) { value += "\t" + text; };
  field(action.m_strRiskID);
  field(action.m_strDescr);
  field(action.m_strRespon);
  field(PlanDateText(state, action.m_strTargetDate));
  field(PlanDateText(state, action.m_strActualDate));
  field(NumberText(state, action.m_dbMitCost));
  field(action.m_strStatus);
  field(action.m_strProb);
  field(action.m_strCost);
  field(action.m_strTime);
  field(action.m_strPerformance);
  field(NumberText(state, action.m_dblScore));
  return value;
}

bool modLoadRisks::LoadQualitativeActions(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& actions = Held(Model(state).riskActions);
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row, std::string key) {
        actions.Add(ReadActionRow(state, sheet, row, std::move(key)));
      },
      "Loading qualitative risk actions complete.");
}

void modWriteRisks::WriteRiskActions(LibraryState& state) {
  const auto& actions = Held(Model(state).riskActions);
  for (std::int32_t i = 1; i <= actions.Count(); ++i) {
    WriteRegisterValue(state, "RiskActions", DecimalText(i), ActionValue(state, actions.Item(i)));
  }
  ReportStep(state, "Writing qualitative risk actions complete.");
}

}  // namespace velloway
