// How the current template's loaders read their record sheets, on the walk both roads share.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace velloway {

struct LibraryState;
namespace workbook {
class Worksheet;
}

// A loader's whole run over its record sheet: every data row goes to readRow, and the step is
// reported with completeText when the sheet is read to its end or missing. False, without the
// step, when a row fails; the header search itself is not trapped.
bool LoadRecordSheet(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t keyColumn,
                     const std::function<void(std::int32_t row)>& readRow,
                     const char* completeText);

// A loader's run over a sheet of fixed cells (details, options, PID, scenarios): read runs when
// the sheet is there, then the step is reported with completeText. False, without the step, when
// the read fails; the failure is reported against the sheet.
bool LoadFixedSheet(LibraryState& state, const workbook::Worksheet* sheet,
                    const std::function<void()>& read, const char* completeText);

}  // namespace velloway
