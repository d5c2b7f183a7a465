#include "workbook/XlsxSheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "workbook/NumberValue.h"
#include "workbook/StringPool.h"
#include "workbook/WorkbookError.h"
#include "workbook/Worksheet.h"
#include "workbook/XlsxStringItem.h"
#include "workbook/XmlScanner.h"

namespace velloway::workbook {
namespace {

enum class ValueType { Number, Shared, Formula, Inline, Boolean, Error, IsoDate };

ValueType TypeOf(std::string_view t) {
  if (t == "s") return ValueType::Shared;
  if (t == "str") return ValueType::Formula;
  if (t == "inlineStr") return ValueType::Inline;
  if (t == "b") return ValueType::Boolean;
  if (t == "e") return ValueType::Error;
  if (t == "d") return ValueType::IsoDate;
  return ValueType::Number;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' ||
                           text.front() == '\r' || text.front() == '+')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' ||
                           text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

// A number as the file writes it. Values at the ends of the double range that the standard
// parser refuses as out of range are read as strtod rounds them; infinities stay unreadable.
bool ParseNumber(std::string_view text, double& out) {
  text = Trimmed(text);
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
  if (result.ptr != text.data() + text.size()) return false;
  if (result.ec == std::errc::result_out_of_range) {
    const std::string copy(text);
    out = std::strtod(copy.c_str(), nullptr);
  } else if (result.ec != std::errc{}) {
    return false;
  }
  return std::isfinite(out);
}

template <typename T>
bool ParseWhole(std::string_view text, T& out) {
  text = Trimmed(text);
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
  return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

class SheetHandler : public XmlHandler {
 public:
  SheetHandler(const std::string& partName, const SheetContext& context, Worksheet& sheet,
               SheetTexts& texts)
      : partName_(partName), context_(context), sheet_(sheet), texts_(texts) {}

  void StartElement(const char* name, const XmlAttributes& attributes) override {
    if (inlineDepth_ > 0) {
      ++inlineDepth_;
      item_.Start(name);
    } else if (inCell_) {
      StartInCell(name);
    } else if (inRow_) {
      if (Is(name, "c")) StartCell(attributes);
    } else if (inSheetData_) {
      if (Is(name, "row")) StartRow(attributes);
    } else if (Is(name, "sheetData")) {
      inSheetData_ = true;
    }
  }

  void EndElement(const char* name) override {
    if (inlineDepth_ > 0) {
      if (--inlineDepth_ > 0) item_.End(name);
    } else if (inValue_) {
      inValue_ = false;
    } else if (inCell_) {
      if (Is(name, "c")) EndCell();
    } else if (inRow_) {
      inRow_ = !Is(name, "row");
    } else if (inSheetData_) {
      inSheetData_ = !Is(name, "sheetData");
    }
  }

  void Characters(std::string_view text) override {
    if (inValue_) {
      value_.append(text);
    } else if (inlineDepth_ > 0) {
      item_.Characters(text);
    }
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw Damaged(partName_ + ": " + what); }

  void StartRow(const XmlAttributes& attributes) {
    inRow_ = true;
    std::uint32_t row = lastRow_ + 1;
    if (const auto r = attributes.Get("r")) {
      if (!ParseWhole(*r, row)) Fail("row number '" + std::string(*r) + "' is not a number");
    }
    if (row < 1 || row > kMaxRows) Fail("row " + std::to_string(row) + " is outside the sheet");
    if (row <= lastRow_) Fail("row " + std::to_string(row) + " does not ascend");
    lastRow_ = row;
    lastColumn_ = 0;
  }

  void StartCell(const XmlAttributes& attributes) {
    inCell_ = true;
    hasValue_ = false;
    hasInline_ = false;
    type_ = ValueType::Number;
    numberKind_ = NumberKind::Plain;
    std::uint32_t row = lastRow_;
    std::uint16_t column = 0;
    bool positioned = false;
    for (int i = 0; i < attributes.Count(); ++i) {
      if (attributes.Qualified(i)) continue;
      const char* attribute = attributes.Name(i);
      if (attribute[1] != '\0') continue;
      if (attribute[0] == 'r') {
        if (!ParseCellReference(attributes.Value(i), row, column)) {
          Fail("cell reference '" + std::string(attributes.Value(i)) + "' is outside the sheet");
        }
        positioned = true;
      } else if (attribute[0] == 't') {
        type_ = TypeOf(attributes.Value(i));
      } else if (attribute[0] == 's') {
        std::size_t style = 0;
        if (ParseWhole(attributes.Value(i), style) && style < context_.numberStyles.size()) {
          numberKind_ = context_.numberStyles[style];
        }
      }
    }
    if (!positioned) {
      if (lastColumn_ >= kMaxColumns) Fail("a cell lies beyond the last column");
      column = static_cast<std::uint16_t>(lastColumn_ + 1);
    }
    if (row < lastRow_ || (row == lastRow_ && column <= lastColumn_)) {
      Fail("cell " + ColumnLetters(column) + std::to_string(row) + " does not ascend");
    }
    row_ = row;
    column_ = column;
    lastRow_ = row;
    lastColumn_ = column;
  }

  void StartInCell(const char* name) {
    if (Is(name, "v")) {
      inValue_ = true;
      hasValue_ = true;
      value_.clear();
    } else if (Is(name, "is")) {
      inlineDepth_ = 1;
      hasInline_ = true;
      item_.Begin();
    }
  }

  void EndCell() {
    inCell_ = false;
    if (hasInline_ && (type_ == ValueType::Inline || !hasValue_)) {
      sheet_.Append(OwnTextCell(item_.Text()));
      return;
    }
    // A formula without a saved result, or a formatted empty cell; an empty value of a number
    // cell is no value either.
    if (!hasValue_ || (type_ == ValueType::Number && Trimmed(value_).empty())) return;
    sheet_.Append(ValueCell());
  }

  // Marked as the sheet's own text until the texts are settled.
  StoredCell OwnTextCell(std::string_view text) {
    StoredCell cell = TextCell(row_, column_, texts_.own.Add(text));
    cell.boolean = true;
    return cell;
  }

  StoredCell Number(double number) const {
    return NumberValueCell(row_, column_, number, numberKind_, context_.dates);
  }

  StoredCell ValueCell() {
    const auto error = FlagCell(row_, column_, CellKind::Error, false);
    switch (type_) {
      case ValueType::Number: {
        double number = 0;
        if (!ParseNumber(value_, number)) return error;
        return Number(number);
      }
      case ValueType::Shared: {
        std::uint32_t index = 0;
        if (!ParseWhole(value_, index)) return error;
        texts_.sharedEnd = std::max<std::uint64_t>(texts_.sharedEnd, std::uint64_t{index} + 1);
        return TextCell(row_, column_, index);
      }
      case ValueType::Formula:
      case ValueType::Inline: {
        text_.clear();
        AppendUnescaped(value_, text_);
        return OwnTextCell(text_);
      }
      case ValueType::Boolean: {
        const std::string_view v = Trimmed(value_);
        if (v == "1" || v == "true") return FlagCell(row_, column_, CellKind::Boolean, true);
        if (v == "0" || v == "false") return FlagCell(row_, column_, CellKind::Boolean, false);
        return error;
      }
      case ValueType::IsoDate: {
        // An ISO date is stored as the serial it stands for; its cell format decides, as for
        // any number, whether it reads as a date.
        const auto date = ParseIsoDate(Trimmed(value_));
        return date ? Number(FromAutomationDate(*date, context_.dates)) : error;
      }
      case ValueType::Error:
        return error;
    }
    return error;
  }

  const std::string& partName_;
  const SheetContext& context_;
  Worksheet& sheet_;
  SheetTexts& texts_;
  bool inSheetData_ = false;
  bool inRow_ = false;
  bool inCell_ = false;
  bool inValue_ = false;
  bool hasValue_ = false;
  bool hasInline_ = false;
  NumberKind numberKind_ = NumberKind::Plain;
  int inlineDepth_ = 0;
  ValueType type_ = ValueType::Number;
  std::uint32_t lastRow_ = 0;
  std::uint32_t lastColumn_ = 0;
  std::uint32_t row_ = 0;
  std::uint16_t column_ = 0;
  std::string value_;
  std::string text_;
  StringItem item_;
};

}  // namespace

void ReadSheet(ZipPackage& package, const std::string& partName, const SheetContext& context,
               Worksheet& sheet, SheetTexts& texts) {
  SheetHandler handler(partName, context, sheet, texts);
  ScanXmlPart(package, partName, handler);
  sheet.Seal();
}

void SettleSheetTexts(Worksheet& sheet, SheetTexts& texts, StringPool& pool,
                      std::size_t sharedCount) {
  const auto offset = static_cast<std::uint32_t>(pool.Count());
  for (std::uint32_t i = 0; i < texts.own.Count(); ++i) pool.Add(texts.own.At(i));
  if (texts.own.Count() > 0 || texts.sharedEnd > sharedCount) {
    BlockStore<StoredCell>& cells = sheet.MutableCells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
      StoredCell& cell = cells[i];
      if (cell.kind != CellKind::Text) continue;
      if (cell.boolean) {
        cell = TextCell(cell.row, cell.column, static_cast<std::uint32_t>(cell.payload) + offset);
      } else if (cell.payload >= sharedCount) {
        cell = FlagCell(cell.row, cell.column, CellKind::Error, false);
      }
    }
  }
  texts.own = StringPool();
}

}  // namespace velloway::workbook
