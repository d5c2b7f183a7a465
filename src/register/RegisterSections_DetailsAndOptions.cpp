// Register details (Options!B2:B4) and options (Options!B36:B45).
#include "register/CellValues.h"
#include "register/RecordSheet.h"
#include "register/RegisterSections.h"
#include "register/RegisterStore.h"

namespace velloway {
namespace {

// The option fields in row order from B36, with the keys they are written under.
struct OptionField {
  std::int32_t clsOptions::*field;
  const char* key;
};
constexpr OptionField kOptionFields[] = {
    {&clsOptions::nRGBTarget, "rgbTarget"},
    {&clsOptions::nRGBCurrent, "rgbCurrent"},
    {&clsOptions::nRGBOpportunity, "rgbOpportunity"},
    {&clsOptions::nRGBThreat, "rgbThreat"},
    {&clsOptions::nCostsIncludeDur, "CostsIncludeDur"},
    {&clsOptions::nSpreadCosts, "SpreadCosts"},
    {&clsOptions::nMaxVHValue, "MaxVHValue"},
    {&clsOptions::nDefaultShape, "DefaultShape"},
    {&clsOptions::nIncludeRisksWithScoreNum, "InCludeRisksWithScoreNum"},
    {&clsOptions::nIncludeRisksWithScore, "InCludeRisksWithScore"},
};
constexpr std::int32_t kFirstOptionRow = 36;

}  // namespace

bool modLoadRisks::LoadRegisterDetails(LibraryState& state, const workbook::Worksheet* sheet) {
  return LoadFixedSheet(
      state, sheet,
      [&] {
        clsDetails& details = Held(Model(state).details);
        details.strCurrency = workbook::GetCellText(sheet, 2, 2);
        details.strTitle = workbook::GetCellText(sheet, 3, 2);
        details.strVersion = workbook::GetCellText(sheet, 4, 2);
      },
      "Loading risk register details complete.");
}

bool modLoadRisks::LoadRegisterOptions(LibraryState& state, const workbook::Worksheet* sheet) {
  return LoadFixedSheet(
      state, sheet,
      [&] {
        clsOptions& options = Held(Model(state).options);
        std::int32_t row = kFirstOptionRow;
        for (const OptionField& option : kOptionFields) {
          options.*option.field = WholeNumber(state, workbook::GetCellText(sheet, row++, 2));
        }
      },
      "Loading risk register options complete.");
}

void modWriteRisks::WriteRegisterDetails(LibraryState& state) {
  const clsDetails& details = Held(Model(state).details);
  WriteRegisterValue(state, "Details", "Currency", details.strCurrency);
  WriteRegisterValue(state, "Details", "Title", details.strTitle);
  WriteRegisterValue(state, "Details", "Version", details.strVersion);
  ReportStep(state, "Writing risk register details complete.");
}

void modWriteRisks::WriteRegisterOptions(LibraryState& state) {
  const clsOptions& options = Held(Model(state).options);
  for (const OptionField& option : kOptionFields) {
    WriteRegisterValue(state, "RiskOptions", option.key, DecimalText(options.*option.field));
  }
  ReportStep(state, "Writing risk register options complete.");
}

}  // namespace velloway
