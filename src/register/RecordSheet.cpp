#include "register/RecordSheet.h"

#include "core/Findings.h"
#include "core/RecordSheetWalk.h"
#include "register/RegisterStore.h"

namespace velloway {

bool LoadRecordSheet(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t keyColumn,
                     const std::function<void(std::int32_t row)>& readRow,
                     const char* completeText) {
  if (sheet != nullptr) {
    // A sheet without a key has no records.
    const std::optional<std::int32_t> header = FindHeaderRow(sheet, keyColumn);
    std::int32_t first = 0;
    std::int32_t last = 0;
    std::int32_t count = 0;
    try {
      if (header) {
        ForEachRecordRow(sheet, keyColumn, *header, [&](std::int32_t row, const std::string&) {
          if (count++ == 0) first = row;
          last = row;
          readRow(row);
        });
      }
    } catch (const std::exception& e) {
      ReportProblem(state, sheet, e);
      return false;
    } catch (...) {
      return false;
    }
    ReportRecords(state, sheet, header.value_or(0), first, last, count);
  }
  ReportStep(state, completeText);
  return true;
}

bool LoadFixedSheet(LibraryState& state, const workbook::Worksheet* sheet,
                    const std::function<void()>& read, const char* completeText) {
  try {
    if (sheet != nullptr) read();
    ReportStep(state, completeText);
    return true;
  } catch (const std::exception& e) {
    ReportProblem(state, sheet, e);
    return false;
  } catch (...) {
    return false;
  }
}

}  // namespace velloway
