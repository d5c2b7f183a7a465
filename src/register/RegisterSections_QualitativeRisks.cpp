// Qualitative risks ("Qualitative Risks") and the risk history ("Risk History"): one record per
// row keyed by the risk ID in column A; the history adds the audit date in column W.
#include "register/ActionSummary.h"
#include "register/CellValues.h"
#include "register/PlanValues.h"
#include "register/RecordSheet.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"

namespace velloway {
namespace {

constexpr std::int32_t kKeyColumn = 1;

// Columns B to V (and W for the history) of one row; every field is assigned, so a blank cell
// gives empty text, 0 or a true flag, never a class default.
clsQualRisk ReadRiskRow(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                        std::string key, bool withAuditDate) {
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet, row, column); };
  clsQualRisk risk;
  risk.strRiskID = std::move(key);
  risk.strType = text(2);
  risk.strTitle = text(3);
  risk.strProb = text(4);
  risk.strCost = text(5);
  risk.strTime = text(6);
  risk.strPerformance = text(7);
  risk.dblScore = ScoreNumber(state, text(8));
  risk.strTargetProb = text(9);
  risk.strTargetCost = text(10);
  risk.strTargetTime = text(11);
  risk.strTargetPerformance = text(12);
  risk.dblTargetScore = ScoreNumber(state, text(13));
  risk.strTargetDate = text(14);
  risk.strStatus = text(15);
  risk.strOwner = text(16);
  risk.strCause = text(17);  // cause stands before the description on the sheet
  risk.strDescription = text(18);
  risk.strEffect = text(19);
  risk.strRBS = text(20);
  risk.strExpiry = text(21);
  risk.bQRisk = ReadTrueFlag(text(22));
  if (withAuditDate) risk.strAuditDat = text(23);
  return risk;
}

// Sets the risk's action summary and writes it under its position.
void WriteRiskRecord(LibraryState& state, const ActionSummaries& summaries, clsQualRisk& risk,
                     const char* section, std::int32_t position, bool withAuditDate) {
  double cost = 0;
  std::string name;
  risk.bActions = SummariseRiskActions(summaries, risk, cost, name);
  risk.dblMitCost = cost;
  risk.strMitName = std::move(name);
  WriteRegisterValue(state, section, DecimalText(position),
                     QualRiskValue(state, risk, withAuditDate));
}

}  // namespace

std::string QualRiskValue(LibraryState& state, const clsQualRisk& risk, bool withAuditDate) {
  std::string value;
  const auto field = [&value](const std::string& text) { value += "\t" + text; };
  field(risk.strRiskID);
  field(ThreatCode(risk.strType));
  field(risk.strTitle);
  field(risk.strProb);
  field(risk.strCost);
  field(risk.strTime);
  field(risk.strPerformance);
  field(NumberText(state, risk.dblScore));
  field(risk.strTargetProb);
  field(risk.strTargetCost);
  field(risk.strTargetTime);
  field(risk.strTargetPerformance);
  field(FixedNumberText(risk.dblTargetScore));
  field(PlanDateText(state, risk.strTargetDate));
  field(FixedNumberText(risk.dblMitCost));
  field(FlagText(risk.bActions != 0));
  field(risk.strMitName);
  field(risk.strOwner);
  field(risk.strDescription);
  field(risk.strCause);
  field(risk.strEffect);
  field(risk.strRBS);
  field(risk.strStatus);
  field(PlanDateText(state, risk.strExpiry));
  field(FlagText(risk.bQRisk));
  if (withAuditDate) field(PlanDateText(state, risk.strAuditDat));
  return value;
}

bool modLoadRisks::LoadQualitativeRisks(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& risks = Held(Model(state).qualitativeRisks);
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row, std::string key) {
        risks.Add(ReadRiskRow(state, sheet, row, std::move(key), false));
      },
      "Loading qualitative risks complete.");
}

bool modLoadRisks::LoadRiskHistory(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& history = Held(Model(state).riskHistory);
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row, std::string key) {
        history.Add(ReadRiskRow(state, sheet, row, std::move(key), true));
      },
      "Loading qualitative risk history complete.");
}

void modWriteRisks::WriteQualitativeRisks(LibraryState& state) {
  auto& risks = Held(Model(state).qualitativeRisks);
  const ActionSummaries summaries = IndexActions(Held(Model(state).riskActions));
  try {
    for (std::int32_t i = 1; i <= risks.Count(); ++i) {
      WriteRiskRecord(state, summaries, risks.Item(i), "QualitativeRisks", i, false);
    }
  } catch (...) {
    // A value that cannot be built or written ends this section quietly; the later sections
    // are still written.
    return;
  }
  ReportStep(state, "Writing qualitative risks complete.");
}

void modWriteRisks::WriteRiskHistory(LibraryState& state) {
  auto& history = Held(Model(state).riskHistory);
  const ActionSummaries summaries = IndexActions(Held(Model(state).riskActions));
  for (std::int32_t i = 1; i <= history.Count(); ++i) {
    WriteRiskRecord(state, summaries, history.Item(i), "RiskHistory", i, true);
  }
  ReportStep(state, "Writing qualitative risk history complete.");
}

}  // namespace velloway
