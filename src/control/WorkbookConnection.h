// The open workbook and the template's sheets found in it.
#pragma once

namespace velloway {

struct LibraryState;

// Opens WorkbookPath, finds the known sheets and reads TemplateVersion. False when the
// workbook is not usable; no message except when no reader can be made at all. Why a
// workbook could not be opened goes to the platform's diagnostic line.
bool ConnectWorkbook(LibraryState& state);

// Releases the six sheet references.
void ReleaseSheets(LibraryState& state);

// Closes the workbook without saving; never throws.
void CloseWorkbook(LibraryState& state) noexcept;

}  // namespace velloway
