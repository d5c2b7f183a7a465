// The task impact sheet: one task impact per row with a risk and a task, filed in the plan
// container that column A names ("Pre-mitigation" or "Post-mitigation"; an empty cell repeats
// the one above).
#include "core/ErrorLog.h"
#include "core/ImportError.h"
#include "core/Messages.h"
#include "core/modToolBox.h"
#include "registerxml/RecordSheetRows.h"
#include "registerxml/RegisterXmlAccess.h"
#include "registerxml/clsXmlTaskImpact.h"
#include "registerxml/modBuildXmlFile.h"
#include "ui/frmImportProgress.h"

namespace velloway::modBuildXmlFile {
namespace {

constexpr std::int32_t kRiskIdColumn = 2;
// Only options of this version have the correlate-existence column before the link column.
constexpr const char* kVersionWithExistence = "2.1";

void FillTaskImpact(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t row,
                    clsXmlTaskImpact& impact) {
  const auto number = [&](std::int32_t column) {
    return registerxml::CellNumber(state, sheet, row, column);
  };
  const auto flag = [&](std::int32_t column) {
    return registerxml::CellFlag(state, sheet, row, column, false);
  };
  impact.m_strDurShape = workbook::GetCellText(sheet, row, 4);
  impact.m_dblDurMin = number(5);
  impact.m_dblDurLikely = number(6);
  impact.m_dblDurMax = number(7);
  impact.m_strCostShape = workbook::GetCellText(sheet, row, 8);
  impact.m_dblCostMin = number(9);
  impact.m_dblCostLikely = number(10);
  impact.m_dblCostMax = number(11);
  impact.m_bCorrelate = flag(12);
  if (registerxml::RegisterXmlRun(state).optionsVersion == kVersionWithExistence) {
    impact.m_bCorrelateEveExist = flag(13);
    impact.m_bLink = flag(14);
  } else {
    impact.m_bLink = flag(13);
  }
}

// The first TaskImpact child, found without listing the others.
xmlNodePtr FirstTaskImpact(xmlNodePtr taskImpacts) {
  for (xmlNodePtr child = taskImpacts->children; child != nullptr; child = child->next) {
    if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, BAD_CAST "TaskImpact")) {
      return child;
    }
  }
  return nullptr;
}

}  // namespace

bool ImportTaskImpacts(LibraryState& state) {
  AddErrorHeading(state, msg::kHeadingTaskImpacts);
  try {
    const workbook::Worksheet* sheet = state.sheets.taskImpacts;
    registerxml::RegisterXmlDocument& doc = registerxml::TheDocument(state);
    frmImportProgress& form = registerxml::TheProgressForm(state);
    const registerxml::RecordRows rows = registerxml::CountRecordRows(
        sheet, kRiskIdColumn,
        registerxml::HeaderRowOrThrow(sheet, kRiskIdColumn, KeyTest::StoredText));
    form.SetMaxValue(rows.keyCount);
    std::string container;
    std::int32_t number = 1;
    for (std::int32_t row = rows.firstDataRow; row <= rows.lastKeyRow; ++row) {
      clsXmlTaskImpact impact;
      impact.m_strScenarioName =
          registerxml::CarryDown(container, workbook::GetCellText(sheet, row, 1));
      impact.m_strRiskID = workbook::GetCellText(sheet, row, kRiskIdColumn);
      impact.m_strTaskID = workbook::GetCellText(sheet, row, 3);
      if (impact.m_strRiskID.empty() || impact.m_strTaskID.empty()) continue;
      form.UpdateProgress(
          number, modToolBox::FormatMessage(state, msg::kImportingTaskImpact,
                                            {impact.m_strRiskID, static_cast<double>(number),
                                             static_cast<double>(rows.keyCount)}));
      FillTaskImpact(state, sheet, row, impact);
      AddTaskImpact(state, impact.GetNode(doc.get()).get(), impact.m_strRiskID,
                    impact.m_strScenarioName);
      ++number;
    }
    return true;
  } catch (...) {
    return false;  // the driver tells the user; nothing is logged
  }
}

bool AddTaskImpact(LibraryState& state, xmlNodePtr taskImpact, const std::string& riskId,
                   const std::string& container) {
  using namespace modXMLToolbox;
  const std::string taskId = GetXmlNodeText(taskImpact, "TaskID");
  xmlNodePtr risk = registerxml::TheDocument(state).FindRisk(riskId);
  if (risk == nullptr) {
    AddError(state,
             modToolBox::FormatMessage(state, msg::kTaskImpactRiskMissing, {taskId, riskId}));
    return false;
  }
  xmlNodePtr taskImpacts = SelectSingleNode(risk, container + "/Quantitative/TaskImpacts");
  if (taskImpacts == nullptr) {
    throw ImportError("the risk has no plan container of this name", container);
  }
  // Only the first task impact of the container is compared.
  xmlNodePtr first = FirstTaskImpact(taskImpacts);
  const std::string firstTaskId = first != nullptr ? GetXmlNodeText(first, "TaskID") : "";
  if (firstTaskId != taskId) {
    AppendClone(taskImpacts, taskImpact);
    return false;
  }
  const MsgAnswer answer = state.platform.ui->MessageBox(
      modToolBox::FormatMessage(state, msg::kReplaceTaskImpact, {firstTaskId}),
      MsgIcon::Information, MsgButtons::YesNo, "");
  if (answer == MsgAnswer::Yes) ReplaceXmlNode(first, taskImpact);
  return false;
}

}  // namespace velloway::modBuildXmlFile
