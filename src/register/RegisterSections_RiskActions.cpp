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
                                std::int32_t row) {
  workbook::RecordTexts& texts = Model(state).texts;
  const auto keep = [&](std::int32_t column) {
    return workbook::KeepCellText(sheet, row, column, texts);
  };
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet, row, column); };
  clsQualRiskAction action;
  action.m_strMitName = keep(1);
  action.m_strRiskID = keep(kKeyColumn);
  action.m_strDescr = keep(3);
  action.m_strRespon = keep(4);
  action.m_strTargetDate = keep(5);
  action.m_strActualDate = keep(6);
  // The cost columns lose every "$" before use.
  action.m_dbMitCost = ScoreNumber(state, workbook::GetCellText(sheet, row, 7, true));
  action.m_strStatus = keep(8);
  action.m_strProb = keep(9);
  action.m_strCost = workbook::KeepCellText(sheet, row, 10, texts, true);
  action.m_strTime = keep(11);
  action.m_strPerformance = keep(12);
  action.m_dblScore = ScoreNumber(state, text(13));
  return action;
}

}  // namespace

std::string ActionValue(LibraryState& state, const clsQualRiskAction& action) {
  const workbook::RecordTexts& t = Model(state).texts;
  PlanDateTexts& dates = RegisterRun(state).planDates;
  return TabFields({t[action.m_strRiskID], t[action.m_strDescr], t[action.m_strRespon],
                    dates.Of(state, t[action.m_strTargetDate]),
                    dates.Of(state, t[action.m_strActualDate]),
                    NumberText(state, action.m_dbMitCost), t[action.m_strStatus],
                    t[action.m_strProb], t[action.m_strCost], t[action.m_strTime],
                    t[action.m_strPerformance], NumberText(state, action.m_dblScore)});
}

bool modLoadRisks::LoadQualitativeActions(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& actions = Held(Model(state).riskActions);
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row) { actions.Add(ReadActionRow(state, sheet, row)); },
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
