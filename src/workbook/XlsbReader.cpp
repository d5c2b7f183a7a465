#include "workbook/XlsbReader.h"

#include <algorithm>
#include <map>
#include <vector>

#include "workbook/BiffRecords.h"
#include "workbook/NumberValue.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsbRecords.h"
#include "workbook/XlsxParts.h"

namespace velloway::workbook {
namespace {

WorkbookPart ReadWorkbookRecords(ZipPackage& package, const std::string& partName) {
  WorkbookPart part;
  ReadXlsbPart(package, partName, [&](std::uint32_t type, XlsbCursor& record) {
    if (type == xlsb::kWorkbookProperties) {
      if ((record.U32() & 0x01) != 0) part.dates = DateSystem::From1904;
    } else if (type == xlsb::kBundledSheet) {
      record.Skip(8);  // visibility and tab id
      const auto id = record.NullableWideString();
      std::string name = record.WideString();
      if (!id) throw Damaged("the part of sheet '" + name + "' is not named");
      part.sheets.push_back(SheetEntry{std::move(name), *id});
    }
  });
  return part;
}

std::size_t ReadSharedStringRecords(ZipPackage& package, const std::string& partName,
                                    StringPool& pool) {
  std::size_t count = 0;
  ReadXlsbPart(package, partName, [&](std::uint32_t type, XlsbCursor& record) {
    if (type != xlsb::kSharedStringItem) return;
    record.U8();  // rich-text and phonetic flags: what follows the text is not read
    pool.Add(record.WideString());
    ++count;
  });
  return count;
}

std::vector<NumberKind> ReadStyleRecords(ZipPackage& package, const std::string& partName) {
  std::map<int, NumberKind> custom;
  std::vector<int> formatIds;
  bool inCellFormats = false;
  ReadXlsbPart(package, partName, [&](std::uint32_t type, XlsbCursor& record) {
    if (type == xlsb::kFormat) {
      const int id = record.U16();
      custom[id] = KindOfFormatCode(record.WideString());
    } else if (type == xlsb::kBeginCellXfs) {
      inCellFormats = true;
    } else if (type == xlsb::kEndCellXfs) {
      inCellFormats = false;
    } else if (type == xlsb::kXf && inCellFormats) {
      record.U16();  // the parent cell style
      formatIds.push_back(record.U16());
    }
  });
  return KindsOfFormats(formatIds, custom);
}

struct SheetContext {
  std::size_t sharedCount = 0;
  std::vector<NumberKind> numberKinds;
  DateSystem dates = DateSystem::From1900;
};

class SheetRecords {
 public:
  SheetRecords(const std::string& partName, const SheetContext& context, StringPool& pool,
               Worksheet& sheet)
      : partName_(partName), context_(context), pool_(pool), sheet_(sheet) {}

  void operator()(std::uint32_t type, XlsbCursor& record) {
    if (type == xlsb::kBeginSheetData) {
      inData_ = true;
    } else if (type == xlsb::kEndSheetData) {
      inData_ = false;
    } else if (inData_ && type == xlsb::kRowHeader) {
      const std::uint32_t row = record.U32();
      if (row >= kMaxRows)
        throw Damaged(partName_ + ": row " + std::to_string(row + 1) + " is outside the sheet");
      row_ = row + 1;
    } else if (inData_ && type <= xlsb::kFormulaError) {
      Cell(type, record);
    } else if (inData_ && type == xlsb::kCellRichString) {
      Cell(type, record);
    }
  }

 private:
  struct Place {
    std::uint16_t column;
    NumberKind kind;
  };

  Place ReadPlace(XlsbCursor& record) const {
    if (row_ == 0) throw Damaged(partName_ + ": a cell comes before its row");
    const std::uint32_t column = record.U32();
    const std::uint32_t style = record.U32() & 0xFFFFFF;
    if (column >= kMaxColumns) throw Damaged(partName_ + ": a cell lies beyond the last column");
    const NumberKind kind =
        style < context_.numberKinds.size() ? context_.numberKinds[style] : NumberKind::Plain;
    return Place{static_cast<std::uint16_t>(column + 1), kind};
  }

  void Cell(std::uint32_t type, XlsbCursor& record) {
    const Place at = ReadPlace(record);
    auto number = [&](double value) {
      return NumberValueCell(row_, at.column, value, at.kind, context_.dates);
    };
    switch (type) {
      case xlsb::kCellRk:
        sheet_.Append(number(RkNumber(record.U32())));
        break;
      case xlsb::kCellReal:
      case xlsb::kFormulaNumber:
        sheet_.Append(number(record.F64()));
        break;
      case xlsb::kCellRichString:
        record.U8();  // rich-text and phonetic flags, before the text
        [[fallthrough]];
      case xlsb::kCellString:
      case xlsb::kFormulaString:
        sheet_.Append(TextCell(row_, at.column, pool_.Add(record.WideString())));
        break;
      case xlsb::kCellSharedString: {
        const std::uint32_t index = record.U32();
        sheet_.Append(index < context_.sharedCount
                          ? TextCell(row_, at.column, index)
                          : FlagCell(row_, at.column, CellKind::Error, false));
        break;
      }
      case xlsb::kCellBool:
      case xlsb::kFormulaBool:
        sheet_.Append(FlagCell(row_, at.column, CellKind::Boolean, record.U8() != 0));
        break;
      case xlsb::kCellError:
      case xlsb::kFormulaError:
        sheet_.Append(FlagCell(row_, at.column, CellKind::Error, false));
        break;
      default:  // a blank cell carries only its format
        break;
    }
  }

  const std::string& partName_;
  const SheetContext& context_;
  StringPool& pool_;
  Worksheet& sheet_;
  bool inData_ = false;
  std::uint32_t row_ = 0;  // 1-based; 0 before the first row header
};

}  // namespace

void ReadXlsb(ZipPackage& package, const std::string& workbookPart, Workbook& workbook) {
  const WorkbookPart part = ReadWorkbookRecords(package, workbookPart);
  const auto relationships = ReadRelationships(package, workbookPart);
  StringPool& pool = workbook.MutableStrings();
  SheetContext context;
  context.dates = part.dates;
  if (const Relationship* shared = FindOfType(relationships, "sharedStrings")) {
    context.sharedCount = ReadSharedStringRecords(package, shared->part, pool);
  }
  if (const Relationship* styles = FindOfType(relationships, "styles")) {
    context.numberKinds = ReadStyleRecords(package, styles->part);
  }
  for (const SheetEntry& entry : part.sheets) {
    const Relationship* sheetPart = WorksheetOf(entry, relationships);
    if (sheetPart == nullptr) continue;
    Worksheet& sheet = workbook.AddSheet(entry.name);
    ReadXlsbPart(package, sheetPart->part, SheetRecords(sheetPart->part, context, pool, sheet));
    sheet.Seal();
  }
  pool.Shrink();
}

}  // namespace velloway::workbook
