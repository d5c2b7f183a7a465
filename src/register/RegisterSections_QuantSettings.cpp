// The register's scenarios: their count in Options!B56, the names below it, then one block of
// three rows per scenario (impacts linked, linked to, a separator).
#include "core/ImportError.h"
#include "register/CellValues.h"
#include "register/RecordSheet.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"

namespace velloway {
namespace {

constexpr std::int32_t kCountRow = 56;
constexpr std::int32_t kColumnB = 2;
// No sheet has more rows than this: a larger count can only be a mistake in the workbook, and
// taking it at its word would read (and keep) millions of empty names.
constexpr std::int32_t kSheetRows = 1048576;

void ReadScenarios(LibraryState& state, const workbook::Worksheet* sheet) {
  const std::int32_t count = WholeNumber(state, workbook::GetCellText(sheet, kCountRow, kColumnB));
  if (count > (kSheetRows - kCountRow) / 4) {
    throw ImportError("more scenarios than the sheet has rows", "Options!B56");
  }
  auto& names = Held(Model(state).scenarioNames);
  for (std::int32_t k = 1; k <= count; ++k)
    names.Add(workbook::GetCellText(sheet, kCountRow + k, kColumnB));
  auto& settings = Held(Model(state).scenarioSettings);
  // The settings start two rows below the last name: one separator row between.
  std::int64_t row = static_cast<std::int64_t>(count) + kCountRow + 2;
  for (std::int32_t k = 1; k <= count; ++k, row += 3) {
    clsScenario scenario;
    scenario.m_nImpactsLinked =
        workbook::GetCellText(sheet, static_cast<std::int32_t>(row), kColumnB);
    scenario.m_strLinkedTo =
        workbook::GetCellText(sheet, static_cast<std::int32_t>(row + 1), kColumnB);
    settings.Add(std::move(scenario));
  }
}

}  // namespace

bool modLoadRisks::LoadQuantSettings(LibraryState& state, const workbook::Worksheet* sheet) {
  return LoadFixedSheet(
      state, sheet, [&] { ReadScenarios(state, sheet); },
      "Loading risk register quantitative settings complete.");
}

void modWriteRisks::WriteQuantSettings(LibraryState& state) {
  const auto& names = Held(Model(state).scenarioNames);
  auto& settings = Held(Model(state).scenarioSettings);
  for (std::int32_t i = 1; i <= names.Count(); ++i) {
    const std::string key = DecimalText(i);
    WriteRegisterValue(state, "QuantData", key, names.Item(i));
    const clsScenario& scenario = settings.Item(i);
    WriteRegisterValue(state, "Scenario" + key, "bImpactsLinked", scenario.m_nImpactsLinked);
    WriteRegisterValue(state, "Scenario" + key, "LinkedTo", scenario.m_strLinkedTo);
  }
  ReportStep(state, "Writing risk register quantitative settings complete.");
}

}  // namespace velloway
