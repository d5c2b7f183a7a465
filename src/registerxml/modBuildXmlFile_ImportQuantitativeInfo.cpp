// The quantitative risk sheet: per row, the probability of one plan container of a risk (column
// A names it; an empty cell repeats the one above) and the risk's response total cost.
#include "core/ErrorLog.h"
#include "core/LibraryState.h"
#include "core/Messages.h"
#include "core/modToolBox.h"
#include "registerxml/RecordSheetRows.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/modBuildXmlFile.h"
#include "ui/frmImportProgress.h"
#include "workbook/ValueText.h"

namespace velloway::modBuildXmlFile {
namespace {

constexpr std::int32_t kRiskIdColumn = 2;

// A number as text under the locale in force.
std::string LocaleNumberText(LibraryState& state, double value) {
  return GeneralNumberText(value, modLocale::CurrentTextSettings(state).decimalSeparator);
}

}  // namespace

bool ImportQuantitativeInfo(LibraryState& state) {
  AddErrorHeading(state, msg::kHeadingQuantitative);
  try {
    const workbook::Worksheet* sheet = state.sheets.quantitativeRisks;
    // No sheet, or no risk ID in column B: there is nothing to add.
    const auto header = FindHeaderRow(sheet, kRiskIdColumn, KeyTest::CellText);
    if (!header) return true;
    const registerxml::RecordRows rows =
        registerxml::CountRecordRows(sheet, kRiskIdColumn, *header);
    registerxml::TheProgressForm(state).SetMaxValue(rows.keyCount);
    std::string container;
    std::int32_t number = 1;
    for (std::int32_t row = rows.firstDataRow; row <= rows.lastKeyRow; ++row) {
      const std::string named = workbook::GetCellText(sheet, row, 1);
      registerxml::CarryDown(container, named);
      const std::string riskId = workbook::GetCellText(sheet, row, kRiskIdColumn);
      if (named.empty() && riskId.empty()) continue;
      const double probability = registerxml::CellNumber(state, sheet, row, 4);
      const double cost = registerxml::CellNumber(state, sheet, row, 5);
      AddQuantitativeInfo(state, container, riskId, LocaleNumberText(state, probability * 100),
                          LocaleNumberText(state, cost), number, rows.keyCount);
    }
    return true;
  } catch (...) {
    return false;  // the driver tells the user; nothing is logged
  }
}

bool AddQuantitativeInfo(LibraryState& state, const std::string& container,
                         const std::string& riskId, const std::string& probability,
                         const std::string& cost, std::int32_t& nIndex, std::int32_t nTotal) {
  using namespace modXMLToolbox;
  xmlNodePtr risk = registerxml::TheDocument(state).FindRisk(riskId);
  if (risk == nullptr) {
    AddError(state, modToolBox::FormatMessage(state, msg::kQuantitativeRiskMissing, {riskId}));
    return false;
  }
  registerxml::TheProgressForm(state).UpdateProgress(
      nIndex, modToolBox::FormatMessage(
                  state, msg::kImportingQuantitative,
                  {riskId, static_cast<double>(nIndex), static_cast<double>(nTotal)}));
  // A container the risk does not have leaves the row without effect.
  if (xmlNodePtr quantitative = SelectSingleNode(risk, container + "/Quantitative")) {
    SetXmlNodeText(quantitative, "Probability", probability);
    SetXmlNodeText(risk, "ResponseTotalCost", cost);
  }
  ++nIndex;
  return false;
}

}  // namespace velloway::modBuildXmlFile
