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
                        bool withAuditDate) {
  workbook::RecordTexts& texts = Model(state).texts;
  const auto keep = [&](std::int32_t column) {
    return workbook::KeepCellText(sheet, row, column, texts);
  };
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet, row, column); };
  clsQualRisk risk;
  risk.strRiskID = keep(kKeyColumn);
  risk.strType = keep(2);
  risk.strTitle = keep(3);
  risk.strProb = keep(4);
  risk.strCost = keep(5);
  risk.strTime = keep(6);
  risk.strPerformance = keep(7);
  risk.dblScore = ScoreNumber(state, text(8));
  risk.strTargetProb = keep(9);
  risk.strTargetCost = keep(10);
  risk.strTargetTime = keep(11);
  risk.strTargetPerformance = keep(12);
  risk.dblTargetScore = ScoreNumber(state, text(13));
  risk.strTargetDate = keep(14);
  risk.strStatus = keep(15);
  risk.strOwner = keep(16);
  risk.strCause = keep(17);  // cause stands before the description on the sheet
  risk.strDescription = keep(18);
  risk.strEffect = keep(19);
  risk.strRBS = keep(20);
  risk.strExpiry = keep(21);
  risk.bQRisk = ReadTrueFlag(text(22));
  if (withAuditDate) risk.strAuditDat = keep(23);
  return risk;
}

// Sets the risk's action summary and writes it under its position.
void WriteRiskRecord(LibraryState& state, const ActionSummaries& summaries, clsQualRisk& risk,
                     const char* section, std::int32_t position, bool withAuditDate) {
  double cost = 0;
  workbook::TextRef name;
  risk.bActions = SummariseRiskActions(summaries, risk, Model(state).texts, cost, name);
  risk.dblMitCost = cost;
  risk.strMitName = name;
  WriteRegisterValue(state, section, DecimalText(position),
                     QualRiskValue(state, risk, withAuditDate));
}

}  // namespace

std::string QualRiskValue(LibraryState& state, const clsQualRisk& risk, bool withAuditDate) {
  const workbook::RecordTexts& t = Model(state).texts;
  PlanDateTexts& dates = RegisterRun(state).planDates;
  std::string value = TabFields({t[risk.strRiskID],
                                 ThreatCode(t[risk.strType]),
                                 t[risk.strTitle],
                                 t[risk.strProb],
                                 t[risk.strCost],
                                 t[risk.strTime],
                                 t[risk.strPerformance],
                                 NumberText(state, risk.dblScore),
                                 t[risk.strTargetProb],
                                 t[risk.strTargetCost],
                                 t[risk.strTargetTime],
                                 t[risk.strTargetPerformance],
                                 FixedNumberText(risk.dblTargetScore),
                                 dates.Of(state, t[risk.strTargetDate]),
                                 FixedNumberText(risk.dblMitCost),
                                 FlagText(risk.bActions != 0),
                                 t[risk.strMitName],
                                 t[risk.strOwner],
                                 t[risk.strDescription],
                                 t[risk.strCause],
                                 t[risk.strEffect],
                                 t[risk.strRBS],
                                 t[risk.strStatus],
                                 dates.Of(state, t[risk.strExpiry]),
                                 FlagText(risk.bQRisk)});
  if (withAuditDate) value += TabFields({dates.Of(state, t[risk.strAuditDat])});
  return value;
}

bool modLoadRisks::LoadQualitativeRisks(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& risks = Held(Model(state).qualitativeRisks);
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row) { risks.Add(ReadRiskRow(state, sheet, row, false)); },
      "Loading qualitative risks complete.");
}

bool modLoadRisks::LoadRiskHistory(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& history = Held(Model(state).riskHistory);
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row) { history.Add(ReadRiskRow(state, sheet, row, true)); },
      "Loading qualitative risk history complete.");
}

void modWriteRisks::WriteQualitativeRisks(LibraryState& state) {
  auto& risks = Held(Model(state).qualitativeRisks);
  const ActionSummaries summaries =
      IndexActions(Held(Model(state).riskActions), Model(state).texts);
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
  const ActionSummaries summaries =
      IndexActions(Held(Model(state).riskActions), Model(state).texts);
  for (std::int32_t i = 1; i <= history.Count(); ++i) {
    WriteRiskRecord(state, summaries, history.Item(i), "RiskHistory", i, true);
  }
  ReportStep(state, "Writing qualitative risk history complete.");
}

}  // namespace velloway
