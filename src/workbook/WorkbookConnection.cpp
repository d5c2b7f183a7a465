#include "workbook/WorkbookConnection.h"

#include "control/LibraryState.h"

namespace velloway {

// No workbook reader exists yet: connecting always reports a workbook that cannot be opened.
bool ConnectWorkbook(LibraryState& state) {
  state.sheets = WorkbookRefs{};
  return false;
}

void ReleaseSheets(LibraryState& state) {
  const bool open = state.sheets.workbookOpen;
  state.sheets = WorkbookRefs{};
  state.sheets.workbookOpen = open;
}

void CloseWorkbook(LibraryState& state) noexcept { state.sheets.workbookOpen = false; }

std::string GetCellText(const workbook::Worksheet* /*sheet*/, std::int32_t /*row*/,
                        std::int32_t /*column*/, bool /*stripDollar*/) {
  return {};
}

std::string& ReplaceLineFeeds(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c == '\n') {
      out += "<CRLF>";
    } else {
      out += c;
    }
  }
  text = std::move(out);
  return text;
}

}  // namespace velloway
