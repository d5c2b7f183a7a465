// The error log of the register XML road: headings and row errors collected during one import,
// offered to the user at the end.
#pragma once

#include <string>

namespace velloway {

struct LibraryState;

struct ErrorLog {
  std::string text;        // every line logged so far, each ended by CR LF
  bool hasErrors = false;  // set by the first error line since the log was cleared
};

// The name of the log file in the temporary folder.
inline constexpr const char* kErrorLogFileName = "ExcelToRRErrorLog.txt";

void ClearErrorLog(LibraryState& state);
// Appends the 50-hyphen rule, the title and the rule again; headings alone are no errors.
void AddErrorHeading(LibraryState& state, const std::string& title);
void AddError(LibraryState& state, const std::string& message);
// When errors were logged, asks whether to view them; on Yes writes the log file and opens it.
// Throws when the file cannot be written or the viewer cannot be started.
void OfferErrorLog(LibraryState& state);

}  // namespace velloway
