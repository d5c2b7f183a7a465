#include "control/WorkbookConnection.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "core/HostApp.h"
#include "core/LibraryState.h"
#include "core/Messages.h"
#include "core/modLocale.h"
#include "workbook/CellText.h"
#include "workbook/OoxmlText.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"

namespace velloway {
namespace {

// Upper case letter by letter with the simple case mappings, as the platform upper-cases a
// name: "ß" stays, and the dotless "ı" becomes "I", so "rısk hıstory" is "RISK HISTORY".
std::string Upper(const std::string& text) {
  const icu::UnicodeString letters = icu::UnicodeString::fromUTF8(text);
  std::string out;
  out.reserve(text.size());
  for (std::int32_t at = 0; at < letters.length(); at = letters.moveIndex32(at, 1)) {
    workbook::AppendUtf8(static_cast<std::uint32_t>(u_toupper(letters.char32At(at))), out);
  }
  return out;
}

// Every rule is tried for every sheet, in this order; a later sheet that matches a rule
// replaces the earlier one. Only the qualitative risk sheet's name is compared exactly.
void MatchSheet(const workbook::Worksheet& sheet, WorkbookRefs& refs) {
  const std::string& name = sheet.Name();
  const std::string upper = Upper(name);
  if (name == "Qualitative Risks") {
    refs.qualitativeRisks = &sheet;
  } else if (upper == "RESPONSE ACTIONS" || upper == "QUALITATIVE ACTIONS") {
    refs.actions = &sheet;
  } else if (upper == "QUANTITATIVE RISKS") {
    refs.quantitativeRisks = &sheet;
  } else if (upper == "TASK IMPACTS" || upper == "QUANTITATIVE IMPACTS") {
    refs.taskImpacts = &sheet;
  } else if (upper == "RISK HISTORY") {
    refs.riskHistory = &sheet;
  } else if (upper == "OPTIONS") {
    refs.options = &sheet;
  }
}

workbook::TextFormat FormatInForce(LibraryState& state) {
  const modLocale::TextSettings settings = modLocale::CurrentTextSettings(state);
  return workbook::TextFormat{settings.decimalSeparator, settings.dates};
}

}  // namespace

bool ConnectWorkbook(LibraryState& state) {
  WorkbookRefs& refs = state.sheets;
  ReleaseSheets(state);
  try {
    const bool started = refs.startReaders ? refs.startReaders() : workbook::StartReaders();
    if (!started) {
      state.platform.ui->MessageBox(msg::kNeedSpreadsheetApp, MsgIcon::Information, MsgButtons::OK,
                                    "");
      return false;  // the launch sequence's cleanup follows
    }
    std::shared_ptr<workbook::Workbook> book;
    try {
      book = workbook::OpenWorkbook(state.WorkbookPath);
    } catch (const workbook::WorkbookError& e) {
      Diagnose(state, "cannot open workbook '" + state.WorkbookPath + "': " + e.what());
      return false;
    }
    book->SetFormat(FormatInForce(state));
    refs.workbook = book;
    refs.workbookOpen = true;
    for (const workbook::Worksheet& sheet : book->Sheets()) MatchSheet(sheet, refs);
    if (refs.options == nullptr && refs.qualitativeRisks == nullptr) {
      Diagnose(state, "workbook '" + state.WorkbookPath +
                          "' has neither an \"Options\" nor a \"Qualitative Risks\" sheet");
      return false;
    }
    state.TemplateVersion = GetCellText(refs.options, 4, 2, false);
    return true;
  } catch (...) {
    return false;
  }
}

void ReleaseSheets(LibraryState& state) {
  WorkbookRefs& refs = state.sheets;
  refs.options = refs.qualitativeRisks = refs.actions = nullptr;
  refs.quantitativeRisks = refs.taskImpacts = refs.riskHistory = nullptr;
}

void CloseWorkbook(LibraryState& state) noexcept {
  state.sheets.workbook.reset();
  state.sheets.workbookOpen = false;
}

}  // namespace velloway
