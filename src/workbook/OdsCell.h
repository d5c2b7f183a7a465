// One table cell of an OpenDocument spreadsheet: its typed value as the start tag gives it, its
// text as the paragraphs give it, and the value the automation layer hands out for both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "workbook/DateSystem.h"
#include "workbook/Worksheet.h"

namespace velloway::workbook {

class StringPool;
class XmlAttributes;

class OdsCell {
 public:
  // Reads the start tag of a table cell; `covered` for a cell hidden under a merged one.
  // Times count from the spreadsheet's null date: 30 December 1899 or 1 January 1904.
  void Begin(const XmlAttributes& attributes, bool covered, DateSystem dates);
  // How many columns the cell stands for (at least 1).
  std::uint64_t Columns() const { return columns_; }

  // The text of the cell's paragraphs, built as the parser hands it over.
  void StartParagraph();
  void AppendText(std::string_view text) { text_.append(text); }
  std::string& Text() { return text_; }

  // The stored cell at row 0, column 0, or false when the cell shows nothing: no value, or
  // covered by a merged cell (the spreadsheet program keeps only the merged cell's value).
  bool Value(StringPool& pool, StoredCell& out) const;

 private:
  enum class Type { None, Float, Currency, Date, Time, Boolean, String, Error };

  Type type_ = Type::None;
  bool covered_ = false;
  bool formula_ = false;
  bool constantBoolean_ = false;  // the formula is TRUE() or FALSE()
  DateSystem dates_ = DateSystem::From1900;
  bool hasStringValue_ = false;
  std::uint64_t columns_ = 1;
  int paragraphs_ = 0;
  std::string value_;        // office:value, date-value, time-value or boolean-value
  std::string stringValue_;  // office:string-value
  std::string text_;
};

// A count attribute such as table:number-rows-repeated: at least 1, at most `limit`.
std::uint64_t RepeatCount(std::string_view text, std::uint64_t limit);

// An ISO 8601 duration ("PT13H45M30S", "-P1DT2H") in days; false when it is none.
bool ParseDuration(std::string_view text, double& days);

}  // namespace velloway::workbook
