// The open workbook, the template's sheets found in it, and the one cell reader.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace velloway {

struct LibraryState;

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

// Opens WorkbookPath, finds the known sheets and reads TemplateVersion. False when the
// workbook is not usable; no message except when no reader can be made at all. Why a
// workbook could not be opened goes to the platform's diagnostic line.
bool ConnectWorkbook(LibraryState& state);

// Releases the six sheet references.
void ReleaseSheets(LibraryState& state);

// Closes the workbook without saving; never throws.
void CloseWorkbook(LibraryState& state) noexcept;

// The text of one cell as the import sees it; empty text on any failure.
std::string GetCellText(const workbook::Worksheet* sheet, std::int32_t row, std::int32_t column,
                        bool stripDollar);

// Replaces every line feed with "<CRLF>" in place and returns the result.
std::string& ReplaceLineFeeds(std::string& text);

namespace workbook {
// Makes the readers' libraries ready; false when that fails.
bool StartReaders() noexcept;
}  // namespace workbook

}  // namespace velloway
