#include "workbook/CellText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "workbook/ValueText.h"
#include "workbook/Worksheet.h"

namespace velloway::workbook {
namespace {

// A currency amount: up to four decimals without trailing zeros, never in exponent form.
std::string CurrencyText(double value, const std::string& decimalSeparator) {
  const auto scaled = static_cast<long long>(std::nearbyint(value * 10000));
  const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(scaled));
  std::string text = (scaled < 0 ? "-" : "") + std::to_string(magnitude / 10000);
  std::string fraction = std::to_string(magnitude % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += decimalSeparator + fraction;
  return text;
}

// A cell's text with the import's changes: "$" removed when asked, line feeds as "<CRLF>".
std::string ImportText(const Worksheet& sheet, const CellValue& value, bool stripDollar) {
  std::string text = CellText(value, sheet.Owner().Format());
  if (stripDollar) text.erase(std::remove(text.begin(), text.end(), '$'), text.end());
  return ReplaceLineFeeds(text);
}

}  // namespace

std::string CellText(const CellValue& value, const TextFormat& format) {
  switch (value.kind) {
    case CellKind::Text:
      return std::string(value.text);
    case CellKind::Number:
      return value.currency ? CurrencyText(value.number, format.decimalSeparator)
                            : GeneralNumberText(value.number, format.decimalSeparator);
    case CellKind::DateTime:
      return DateSerialText(value.number, format.dates);
    case CellKind::Boolean:
      return value.boolean ? "True" : "False";
    case CellKind::Empty:
    case CellKind::Error:
      return {};
  }
  return {};
}

std::string GetCellText(const workbook::Worksheet* sheet, std::int32_t row, std::int32_t column,
                        bool stripDollar) {
  try {
    if (row < 1 || column < 1 || sheet == nullptr) return {};
    sheet->NoteRead(row, column);
    return ImportText(*sheet, sheet->Cell(row, column), stripDollar);
  } catch (...) {
    return {};
  }
}

TextRef KeepCellText(const Worksheet* sheet, std::int32_t row, std::int32_t column,
                     RecordTexts& texts, bool stripDollar) {
  CellValue value;
  bool pooled = false;
  std::string changed;
  try {
    if (row < 1 || column < 1 || sheet == nullptr) return {};
    sheet->NoteRead(row, column);
    value = sheet->Cell(row, column);
    // Most cells are texts the import takes as they stand: those are not copied.
    pooled = value.kind == CellKind::Text && value.text.find('\n') == std::string_view::npos &&
             (!stripDollar || value.text.find('$') == std::string_view::npos);
    if (!pooled) changed = ImportText(*sheet, value, stripDollar);
  } catch (...) {
    return {};
  }
  // Keeping the text is outside the trap: running out of room must not pass for an empty cell.
  if (pooled) return texts.Pooled(sheet->Owner().Strings(), value.poolIndex);
  return texts.Keep(changed);
}

void AppendReplacingLineFeeds(std::string_view text, std::string& out) {
  for (std::size_t feed = text.find('\n'); feed != std::string_view::npos; feed = text.find('\n')) {
    out.append(text.substr(0, feed)).append("<CRLF>");
    text.remove_prefix(feed + 1);
  }
  out.append(text);
}

std::string& ReplaceLineFeeds(std::string& text) {
  if (text.find('\n') == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + 16);
  AppendReplacingLineFeeds(text, out);
  text = std::move(out);
  return text;
}

}  // namespace velloway::workbook
