#include "register/PlanValues.h"

#include <cmath>

#include "core/CheckedArithmetic.h"
#include "core/modToolBox.h"
#include "register/CellValues.h"
#include "workbook/ValueText.h"

namespace velloway {

std::string ThreatCode(std::string_view type) { return type == "Threat" ? "T" : "O"; }

std::string PlanDateText(LibraryState& state, std::string_view text) {
  if (text.empty()) return {};
  const DateParts parts = SerialToDateParts(modToolBox::TextToDate(state, std::string(text)));
  return FormatDatePattern(parts, "yyyyMMdd") + "0";
}

std::string TabFields(std::initializer_list<std::string_view> fields) {
  std::size_t size = 0;
  for (const std::string_view field : fields) size += 1 + field.size();
  std::string value;
  value.reserve(size);
  for (const std::string_view field : fields) {
    value += '\t';
    value += field;
  }
  return value;
}

std::string FlagText(bool flag) { return flag ? "1" : "0"; }

bool ReadTrueFlag(const std::string& text) {
  return text.empty() || text.front() == 'T' || text.front() == 't';
}

std::string PercentText(LibraryState& state, const std::string& text) {
  if (text.empty()) return "0";
  try {
    return NumberText(state, CheckedProduct(modToolBox::TextToNumber(state, text), 100));
  } catch (...) {
    return "0";
  }
}

double ScoreNumber(LibraryState& state, const std::string& text) {
  return modToolBox::TextToNumber(state, text);
}

std::string FixedNumberText(double value) {
  std::string digits = GeneralNumberText(std::fabs(Finite(value)), ".");
  if (digits.size() > 1 && digits.compare(0, 2, "0.") == 0) digits.erase(0, 1);
  return (value < 0 ? "-" : " ") + digits;
}

}  // namespace velloway
