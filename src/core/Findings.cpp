#include "core/Findings.h"

#include "core/LibraryState.h"
#include "workbook/Worksheet.h"

namespace velloway {
namespace {

void Tell(LibraryState& state, ImportFinding finding) {
  if (state.platform.findings) state.platform.findings(finding);
}

// "Type mismatch: 'n/a' is not a number" says "'n/a' is not a number" at a cell.
std::string WithoutClass(const std::string& message) {
  for (const char* prefix : {"Type mismatch: ", "Overflow: "}) {
    if (message.rfind(prefix, 0) == 0) return message.substr(std::string(prefix).size());
  }
  return message;
}

}  // namespace

void ReportTemplate(LibraryState& state, const std::string& version) {
  Tell(state, {ImportFinding::Kind::Template, "", "", version});
}

void ReportSheet(LibraryState& state, const std::string& name, bool found) {
  Tell(state, {ImportFinding::Kind::Sheet, name, "", found ? "found" : "missing"});
}

void ReportRecords(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t headerRow,
                   std::int32_t firstRow, std::int32_t lastRow, std::int32_t records) {
  if (sheet == nullptr) return;
  Tell(state, {ImportFinding::Kind::Records, sheet->Name(), "", "", headerRow, firstRow, lastRow,
               records});
}

void ReportProblem(LibraryState& state, const workbook::Worksheet* sheet, const std::string& fact) {
  if (sheet == nullptr) {
    Tell(state, {ImportFinding::Kind::Problem, "", "", fact});
  } else {
    Tell(state, {ImportFinding::Kind::Problem, sheet->Name(), sheet->LastReadCell(), fact});
  }
}

void ReportProblem(LibraryState& state, const workbook::Worksheet* sheet,
                   const std::exception& error) {
  ReportProblem(state, sheet, WithoutClass(error.what()));
}

void ReportCaught(LibraryState& state, const workbook::Worksheet* sheet) {
  try {
    throw;
  } catch (const std::exception& e) {
    ReportProblem(state, sheet, e);
  } catch (...) {
    ReportProblem(state, sheet, "the import stopped here");
  }
}

}  // namespace velloway
