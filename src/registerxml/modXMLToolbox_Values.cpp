// The value formats of the register document: dates, booleans and numbers.
#include <cstdio>
#include <ctime>

#include "core/ImportError.h"
#include "core/LibraryState.h"
#include "core/modToolBox.h"
#include "registerxml/modXMLToolbox.h"
#include "workbook/ValueText.h"

namespace velloway::modXMLToolbox {
namespace {

std::string IsoDate(int year, int month, int day) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

std::string Today(LibraryState& state) {
  if (state.platform.clock) {
    const CivilTime now = state.platform.clock->Now();
    return IsoDate(now.year, now.month, now.day);
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return IsoDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace

std::string XmlDateText(LibraryState& state, const std::string& text, bool blankIfNone) {
  if (!text.empty()) {
    try {
      const DateParts parts = SerialToDateParts(modToolBox::TextToDate(state, text));
      if (parts.year >= 1 && parts.year <= 9999) return IsoDate(parts.year, parts.month, parts.day);
    } catch (const ImportError&) {
      // Text that is no date counts as no date at all.
    }
  }
  return blankIfNone ? std::string() : Today(state);
}

std::string XmlBooleanText(bool flag) { return flag ? "true" : "false"; }

std::string XmlNumberText(double value) { return GeneralNumberText(value, "."); }

}  // namespace velloway::modXMLToolbox
