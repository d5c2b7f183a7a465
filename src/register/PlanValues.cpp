#include "register/PlanValues.h"

#include <cmath>

#include "core/modToolBox.h"
#include "register/CellValues.h"
#include "workbook/ValueText.h"

namespace velloway {

std::string ThreatCode(const std::string& type) { return type == "Threat" ? "T" : "O"; }

std::string PlanDateText(LibraryState& state, const std::string& text) {
  if (text.empty()) return {};
  const DateParts parts = SerialToDateParts(modToolBox::TextToDate(state, text));
  return FormatDatePattern(parts, "yyyyMMdd") + "0";
}

std::string FlagText(bool flag) { return flag ? "1" : "0"; }

bool ReadTrueFlag(const std::string& text) {
  return text.empty() || text.front() == 'T' || text.front() == 't';
}

std::string PercentText(LibraryState& state, const std::string& text) {
  if (text.empty()) return "0";
  try {
    return NumberText(state, modToolBox::TextToNumber(state, text) * 100);
  } catch (...) {
    return "0";
  }
}

double ScoreNumber(LibraryState& state, const std::string& text) {
  return modToolBox::TextToNumber(state, text);
}

std::string FixedNumberText(double value) {
  std::string digits = GeneralNumberText(std::fabs(value), ".");
  if (digits.size() > 1 && digits.compare(0, 2, "0.") == 0) digits.erase(0, 1);
  return (value < 0 ? "-" : " ") + digits;
}

}  // namespace velloway
