#include "register/RecordSheet.h"

#include "core/RecordSheetWalk.h"
#include "register/RegisterStore.h"

namespace velloway {

bool LoadRecordSheet(LibraryState& state, const workbook::Worksheet* sheet, std::int32_t keyColumn,
                     const std::function<void(std::int32_t row, std::string key)>& readRow,
                     const char* completeText) {
  if (sheet != nullptr) {
    // A sheet without a key has no records.
    const std::optional<std::int32_t> header = FindHeaderRow(sheet, keyColumn);
    try {
      if (header) ForEachRecordRow(sheet, keyColumn, *header, readRow);
    } catch (...) {
      return false;
    }
  }
  ReportStep(state, completeText);
  return true;
}

}  // namespace velloway
