// Quantitative risks ("Quantitative Risks") and their task impacts ("Task Impacts" or
// "Quantitative Impacts"): keyed by the risk ID in column B, each row in the scenario named in
// column A or, when that is empty, in the last scenario named above it on the same sheet.
// Both are written per scenario of the scenario list, numbered from 1.
#include <functional>
#include <unordered_map>
#include <vector>

#include "register/CellValues.h"
#include "register/PlanValues.h"
#include "register/RecordSheet.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"
#include "workbook/CellText.h"

namespace velloway {
namespace {

constexpr std::int32_t kKeyColumn = 2;

// The scenario of a row: its own name, which is then carried down, or the carried one.
workbook::TextRef ScenarioOfRow(const workbook::RecordTexts& texts, workbook::TextRef cell,
                                workbook::TextRef& carried) {
  if (texts[cell].empty()) return carried;
  carried = cell;
  return cell;
}

clsQuantRisk ReadRiskRow(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                         workbook::TextRef& carried) {
  workbook::RecordTexts& texts = Model(state).texts;
  clsQuantRisk risk;
  risk.m_strScenarioName =
      ScenarioOfRow(texts, workbook::KeepCellText(sheet, row, 1, texts), carried);
  risk.m_strRiskID = workbook::KeepCellText(sheet, row, kKeyColumn, texts);
  risk.m_strTitle = workbook::KeepCellText(sheet, row, 3, texts);
  risk.m_strProb = texts.Keep(PercentText(state, workbook::GetCellText(sheet, row, 4)));
  risk.m_strMitCost = workbook::KeepCellText(sheet, row, 5, texts, true);
  risk.m_strMitActions = workbook::KeepCellText(sheet, row, 6, texts);
  return risk;
}

void ReadImpactColumns(const workbook::Worksheet* sheet, std::int32_t row,
                       workbook::RecordTexts& texts, clsQuantRiskImpact& impact) {
  const auto keep = [&](std::int32_t column, bool stripDollar = false) {
    return workbook::KeepCellText(sheet, row, column, texts, stripDollar);
  };
  const auto text = [&](std::int32_t column) { return workbook::GetCellText(sheet, row, column); };
  impact.m_bScenarioLink = ReadTrueFlag(text(4)) ? 1 : 0;
  impact.m_strDurImpactShape = keep(5);
  impact.m_strMinDur = keep(6);
  impact.m_strLikelyDur = keep(7);
  impact.m_strMaxDur = keep(8);
  impact.m_strCostImpactShape = keep(9);
  impact.m_strMinCost = keep(10, true);
  impact.m_strLikelyCost = keep(11, true);
  impact.m_strMaxCost = keep(12, true);
  impact.m_bCorrelate = ReadTrueFlag(text(13)) ? 1 : 0;
  impact.m_bLink = ReadTrueFlag(text(14)) ? 1 : 0;
}

// Writes each record under section "S<n><suffix>" of the scenario it names exactly, numbered
// from 1 within its scenario; records of other scenarios are not written. The records are
// grouped once, so the work grows with their number, not with scenarios times records.
template <typename Record, typename ValueOf>
void WritePerScenario(LibraryState& state, const OrderedCollection<Record>& records,
                      const char* suffix, ValueOf valueOf) {
  const workbook::RecordTexts& texts = Model(state).texts;
  std::unordered_map<std::string_view, std::vector<const Record*>> byScenario;
  for (const Record& record : records) {
    byScenario[texts[record.m_strScenarioName]].push_back(&record);
  }
  const auto& scenarios = Held(Model(state).scenarios);
  for (std::int32_t n = 1; n <= scenarios.Count(); ++n) {
    const auto group = byScenario.find(std::string_view(scenarios.Item(n)));
    if (group == byScenario.end()) continue;
    const std::string section = "S" + DecimalText(n) + suffix;
    std::int32_t k = 1;
    for (const Record* record : group->second) {
      WriteRegisterValue(state, section, DecimalText(k++), valueOf(texts, *record));
    }
  }
}

}  // namespace

std::string QuantRiskValue(const workbook::RecordTexts& t, const clsQuantRisk& risk) {
  return TabFields(
      {t[risk.m_strRiskID], t[risk.m_strProb], t[risk.m_strMitCost], t[risk.m_strMitActions]});
}

std::string TaskImpactValue(const workbook::RecordTexts& t, const clsQuantRiskImpact& impact) {
  // The flags go out as correlate, link, scenario link.
  return TabFields({t[impact.m_strRiskID], t[impact.m_strTaskID], t[impact.m_strDurImpactShape],
                    t[impact.m_strMinDur], t[impact.m_strLikelyDur], t[impact.m_strMaxDur],
                    t[impact.m_strCostImpactShape], t[impact.m_strMinCost],
                    t[impact.m_strLikelyCost], t[impact.m_strMaxCost],
                    FlagText(impact.m_bCorrelate != 0), FlagText(impact.m_bLink != 0),
                    FlagText(impact.m_bScenarioLink != 0)});
}

bool modLoadRisks::LoadQuantitativeRisks(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& risks = Held(Model(state).quantitativeRisks);
  workbook::TextRef carried;  // each sheet carries its own scenario name
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row) { risks.Add(ReadRiskRow(state, sheet, row, carried)); },
      "Loading quantitative risks complete.");
}

bool modLoadRisks::LoadTaskImpacts(LibraryState& state, const workbook::Worksheet* sheet) {
  auto& impacts = Held(Model(state).taskImpacts);
  workbook::RecordTexts& texts = Model(state).texts;
  workbook::TextRef carried;
  return LoadRecordSheet(
      state, sheet, kKeyColumn,
      [&](std::int32_t row) {
        clsQuantRiskImpact impact;
        impact.m_strScenarioName =
            ScenarioOfRow(texts, workbook::KeepCellText(sheet, row, 1, texts), carried);
        impact.m_strRiskID = workbook::KeepCellText(sheet, row, kKeyColumn, texts);
        impact.m_strTaskID = workbook::KeepCellText(sheet, row, 3, texts);
        // A row without a task ID is dropped, yet it does not end the data.
        if (texts[impact.m_strTaskID].empty()) return;
        ReadImpactColumns(sheet, row, texts, impact);
        impacts.Add(std::move(impact));
      },
      "Loading quantitative risk impacts complete.");
}

void modWriteRisks::WriteTaskImpacts(LibraryState& state) {
  WritePerScenario(state, Held(Model(state).taskImpacts), "Impacts", TaskImpactValue);
  ReportStep(state, "Writing quantitative risk impacts complete.");
}

void modWriteRisks::WriteMitigations(LibraryState& state) {
  WritePerScenario(state, Held(Model(state).quantitativeRisks), "Mitigations", QuantRiskValue);
  ReportStep(state, "Writing quantitative risks complete.");
}

}  // namespace velloway
