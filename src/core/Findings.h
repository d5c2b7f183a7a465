// Tells the host what the import finds, as it goes: sheets, records and problems by place.
// Nothing here changes what the import does; without a host that listens it costs nothing.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace velloway {

struct LibraryState;
namespace workbook {
class Worksheet;
}

void ReportTemplate(LibraryState& state, const std::string& version);
void ReportSheet(LibraryState& state, const std::string& name, bool found);
void ReportRecords(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t headerRow,
                   std::int32_t firstRow, std::int32_t lastRow, std::int32_t records);
// A problem at the cell of the sheet that the import read last (the one it failed on).
void ReportProblem(LibraryState& state, const workbook::Worksheet* sheet, const std::string& fact);
// The same for an error that a trap caught: its message without the error's class.
void ReportProblem(LibraryState& state, const workbook::Worksheet* sheet,
                   const std::exception& error);

// Inside a catch block: the caught error as a problem at the sheet's last read cell.
void ReportCaught(LibraryState& state, const workbook::Worksheet* sheet);

}  // namespace velloway
