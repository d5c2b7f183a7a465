#include "workbook/OdsCell.h"

#include <charconv>
#include <cmath>

#include "workbook/DateSystem.h"
#include "workbook/NumberValue.h"
#include "workbook/StringPool.h"
#include "workbook/XmlStream.h"

namespace velloway::workbook {
namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kCalcExtension =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

bool ParseDouble(std::string_view text, double& out) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '+')) text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
  return result.ec == std::errc{} && result.ptr == text.data() + text.size() && std::isfinite(out);
}

// Reads "<number><unit>" pieces of a duration; false at anything else.
bool DurationPart(std::string_view& text, double& number, char& unit) {
  std::size_t end = 0;
  while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) ++end;
  if (end == 0 || end == text.size() || !ParseDouble(text.substr(0, end), number)) return false;
  unit = text[end];
  text.remove_prefix(end + 1);
  return true;
}

}  // namespace

std::uint64_t RepeatCount(std::string_view text, std::uint64_t limit) {
  std::uint64_t count = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), count);
  if (result.ec == std::errc::result_out_of_range) return limit;
  if (result.ec != std::errc{} || count < 1) return 1;
  return count < limit ? count : limit;
}

bool ParseDuration(std::string_view text, double& days) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.front() != 'P') return false;
  text.remove_prefix(1);
  double total = 0;
  bool inTime = false;
  while (!text.empty()) {
    if (text.front() == 'T') {
      inTime = true;
      text.remove_prefix(1);
      continue;
    }
    double number = 0;
    char unit = 0;
    if (!DurationPart(text, number, unit)) return false;
    if (!inTime && unit == 'D') {
      total += number;
    } else if (inTime && unit == 'H') {
      total += number / 24;
    } else if (inTime && unit == 'M') {
      total += number / 1440;
    } else if (inTime && unit == 'S') {
      total += number / 86400;
    } else {
      return false;  // years and months have no fixed length in days
    }
  }
  days = negative ? -total : total;
  return std::isfinite(days);
}

void OdsCell::Begin(const XmlAttributes& attributes, bool covered, DateSystem dates) {
  type_ = Type::None;
  covered_ = covered;
  dates_ = dates;
  formula_ = false;
  constantBoolean_ = false;
  hasStringValue_ = false;
  columns_ = 1;
  paragraphs_ = 0;
  value_.clear();
  stringValue_.clear();
  text_.clear();
  bool error = false;
  for (int i = 0; i < attributes.Count(); ++i) {
    const std::string_view ns = attributes.Namespace(i);
    const std::string_view name = attributes.Name(i);
    const std::string_view value = attributes.Value(i);
    if (ns == kTable) {
      if (name == "number-columns-repeated") columns_ = RepeatCount(value, kMaxColumns + 1ULL);
      if (name == "formula") {
        formula_ = true;
        // How the spreadsheet program saves a boolean constant: a formula of one function.
        constantBoolean_ = value == "of:=TRUE()" || value == "of:=FALSE()";
      }
    } else if (ns == kCalcExtension) {
      // The spreadsheet program marks a formula that ended in an error; the standard types
      // cannot say so.
      if (name == "value-type" && value == "error") error = true;
    } else if (ns == kOffice) {
      if (name == "value-type") {
        type_ = value == "float" || value == "percentage" ? Type::Float
                : value == "currency"                     ? Type::Currency
                : value == "date"                         ? Type::Date
                : value == "time"                         ? Type::Time
                : value == "boolean"                      ? Type::Boolean
                : value == "string"                       ? Type::String
                                                          : Type::None;
      } else if (name == "string-value") {
        stringValue_ = value;
        hasStringValue_ = true;
      } else if (name == "value" || name == "date-value" || name == "time-value" ||
                 name == "boolean-value") {
        value_ = value;
      }
    }
  }
  if (error) type_ = Type::Error;
}

void OdsCell::StartParagraph() {
  // Paragraphs of one cell are its lines.
  if (paragraphs_++ > 0) text_ += '\n';
}

bool OdsCell::Value(StringPool& pool, StoredCell& out) const {
  if (covered_) return false;
  const StoredCell error = FlagCell(0, 0, CellKind::Error, false);
  double number = 0;
  switch (type_) {
    case Type::None:
      // A cell without a type that still shows text, as some writers leave them.
      if (paragraphs_ == 0 || text_.empty()) return false;
      out = TextCell(0, 0, pool.Add(text_));
      return true;
    case Type::String:
      out = TextCell(0, 0, pool.Add(hasStringValue_ ? stringValue_ : text_));
      return true;
    case Type::Float:
      if (!ParseDouble(value_, number)) {
        out = error;
      } else if (formula_ && (number == 0 || number == 1) &&
                 (constantBoolean_ || text_ == (number == 1 ? "TRUE" : "FALSE"))) {
        // A logical formula: the file keeps its result as the number 1 or 0 (shown as TRUE or
        // FALSE), and the spreadsheet program, calculating it, holds a boolean.
        out = FlagCell(0, 0, CellKind::Boolean, number == 1);
      } else {
        out = NumberCell(0, 0, number, CellKind::Number);
      }
      return true;
    case Type::Currency:
      out = ParseDouble(value_, number)
                ? NumberValueCell(0, 0, number, NumberKind::Currency, DateSystem::From1900)
                : error;
      return true;
    case Type::Date: {
      // A date keeps its calendar day, also before 1900, where the day serial counts back.
      const auto date = ParseIsoDateTime(value_);
      out = date ? NumberCell(0, 0, *date, CellKind::DateTime) : error;
      return true;
    }
    case Type::Time:
      // A duration becomes a day serial counted from the null date, as a time typed into a
      // sheet: 36 hours read as 1 January 1900, 12:00.
      out = ParseDuration(value_, number)
                ? NumberValueCell(0, 0, number, NumberKind::DateTime, dates_)
                : error;
      return true;
    case Type::Boolean:
      if (value_ == "true" || value_ == "1") {
        out = FlagCell(0, 0, CellKind::Boolean, true);
      } else if (value_ == "false" || value_ == "0") {
        out = FlagCell(0, 0, CellKind::Boolean, false);
      } else {
        out = error;
      }
      return true;
    case Type::Error:
      out = error;
      return true;
  }
  return false;
}

}  // namespace velloway::workbook
