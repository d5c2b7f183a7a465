// The template's sheets that connecting the workbook found, as every road reads them.
#pragma once

#include <functional>
#include <memory>

namespace velloway {

namespace workbook {
class Workbook;
class Worksheet;
}  // namespace workbook

// The references that connecting sets and cleanup releases. A sheet the workbook lacks stays
// null; each reader decides what a missing sheet means for it.
struct WorkbookRefs {
  const workbook::Worksheet* options = nullptr;
  const workbook::Worksheet* qualitativeRisks = nullptr;
  const workbook::Worksheet* actions = nullptr;
  const workbook::Worksheet* quantitativeRisks = nullptr;
  const workbook::Worksheet* taskImpacts = nullptr;
  const workbook::Worksheet* riskHistory = nullptr;
  // The open workbook, with the text settings in force when it was connected; the sheet
  // references point into it.
  std::shared_ptr<workbook::Workbook> workbook;
  bool workbookOpen = false;
  // Makes the workbook readers ready; false when no reader can be made at all. Empty means
  // the real readers; tests put a failing one here.
  std::function<bool()> startReaders;
};

}  // namespace velloway
