// A cell's value as text, converted the way the automation layer converts a value to text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "workbook/CellValue.h"
#include "workbook/RecordTexts.h"
#include "workbook/Workbook.h"

namespace velloway::workbook {

// Empty and error values give the empty text (an error value cannot be converted); text is
// unchanged; numbers in general form with the separator in force; dates and times in the
// user's patterns; booleans "True" or "False".
std::string CellText(const CellValue& value, const TextFormat& format);

class Worksheet;

// The text of one cell as the import reads it: the sheet's format, "$" removed when asked, line
// feeds as "<CRLF>"; empty text for a missing sheet, a row or column below 1, or any failure.
std::string GetCellText(const Worksheet* sheet, std::int32_t row, std::int32_t column,
                        bool stripDollar = false);

// The same text kept in texts: a reference to the workbook's own text when the import leaves it
// as it stands, else to a copy.
TextRef KeepCellText(const Worksheet* sheet, std::int32_t row, std::int32_t column,
                     RecordTexts& texts, bool stripDollar = false);

// Replaces every line feed with "<CRLF>" in place and returns the result; the second form
// appends the text so changed to out.
std::string& ReplaceLineFeeds(std::string& text);
void AppendReplacingLineFeeds(std::string_view text, std::string& out);

}  // namespace velloway::workbook
