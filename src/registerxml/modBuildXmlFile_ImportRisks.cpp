// The risk sheet into the register, and the risk history sheet into the risks' history: one risk
// builder per row with an ID.
#include "core/ErrorLog.h"
#include "core/Messages.h"
#include "core/modToolBox.h"
#include "registerxml/RecordSheetRows.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/RiskSheetReader.h"
#include "registerxml/modBuildXmlFile.h"
#include "ui/frmImportProgress.h"

namespace velloway::modBuildXmlFile {
namespace {

constexpr std::int32_t kIdColumn = 1;

}  // namespace

bool ImportRisks(LibraryState& state, const workbook::Worksheet* sheet, bool bHistory) {
  // A layout that names no column ends the whole import, before this step's trap.
  registerxml::RiskSheetReader reader(state, sheet, bHistory);
  AddErrorHeading(state, msg::kHeadingRisks);
  std::string id;  // the ID of the row being read, for the error line
  try {
    registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
    frmImportProgress& form = registerxml::TheProgressForm(state);
    const registerxml::RecordRows rows = registerxml::CountRecordRows(
        sheet, kIdColumn, registerxml::HeaderRowOrThrow(sheet, kIdColumn, KeyTest::CellText));
    form.SetMaxValue(rows.keyCount);
    std::int32_t index = 1;
    for (std::int32_t row = rows.firstDataRow; row <= rows.lastKeyRow; ++row) {
      clsXmlRisk risk;
      risk.m_strID = id = workbook::GetCellText(sheet, row, kIdColumn);
      if (id.empty()) continue;
      form.UpdateProgress(index, modToolBox::FormatMessage(state, msg::kImportingRisk,
                                                           {id, static_cast<double>(index),
                                                            static_cast<double>(rows.keyCount)}));
      reader.Fill(risk, row);
      if (bHistory) {
        AddRiskHistory(state, risk.GetNode(state, doc.get(), true).get(), risk.m_strID,
                       risk.m_strAuditDate);
      } else {
        AddOrReplaceRisk(state, risk.GetNode(state, doc.get()).get());
      }
      ++index;
    }
    return true;
  } catch (...) {
    AddError(state, modToolBox::FormatMessage(state, msg::kRiskReadFailed, {id}));
    return false;
  }
}

bool AddOrReplaceRisk(LibraryState& state, xmlNodePtr risk) {
  registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
  const std::string id = registerxml::RiskIdOf(risk);
  xmlNodePtr existing = doc.FindRisk(id);
  if (existing == nullptr) {
    doc.AppendRisk(risk);
    return false;
  }
  const MsgAnswer answer =
      state.platform.ui->MessageBox(modToolBox::FormatMessage(state, msg::kReplaceRisk, {id}),
                                    MsgIcon::Information, MsgButtons::YesNo, "");
  if (answer == MsgAnswer::Yes) doc.ReplaceRisk(existing, risk);
  return false;
}

}  // namespace velloway::modBuildXmlFile
