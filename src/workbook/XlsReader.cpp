#include "workbook/XlsReader.h"

#include <algorithm>
#include <bit>
#include <map>
#include <optional>
#include <vector>

#include "workbook/BiffRecords.h"
#include "workbook/CodePage.h"
#include "workbook/DateSystem.h"
#include "workbook/NumberFormat.h"
#include "workbook/NumberValue.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"
#include "workbook/XlsCompoundFile.h"

namespace velloway::workbook {
namespace {

struct SheetEntry {
  std::size_t offset = 0;  // of the sheet's BOF record in the stream
  bool worksheet = false;  // charts, macro sheets and modules have no cells to read
  std::string name;
};

// What the globals substream says about the whole workbook.
struct Globals {
  bool biff8 = true;  // else BIFF5/BIFF7: no shared strings, 8-bit texts in the code page
  CodePage codePage;
  std::vector<SheetEntry> sheets;
  std::size_t sharedCount = 0;
  std::vector<NumberKind> numberKinds;  // per XF record
  DateSystem dates = DateSystem::From1900;
  std::size_t end = 0;  // offset just after the globals' EOF record
};

// Reads the BOF record and returns the format version it names (BIFF5 or BIFF8).
std::uint16_t CheckBof(BiffRecordReader& reader, BiffRecord& record) {
  if (!reader.Next(record)) throw NotAWorkbook("the workbook stream is empty");
  if (record.type != biff::kBof) {
    if (const char* older = OlderFormatName(record.type)) throw OlderFormat(older);
    throw NotAWorkbook("the workbook stream does not start with a BOF record");
  }
  BiffCursor cursor(record);
  const std::uint16_t version = cursor.U16();
  if (version != biff::kBiff8 && version != biff::kBiff5) {
    throw NotAWorkbook("a BOF record of an unknown format version");
  }
  return version;
}

// Texts with a 16-bit length (cells, formats) and an 8-bit length (sheet names): BIFF8 stores
// them as Unicode strings, BIFF5 as bytes in the workbook's code page.
std::string LongText(BiffCursor& cursor, const Globals& globals) {
  if (globals.biff8) return cursor.String16();
  return globals.codePage.ToUtf8(cursor.Bytes(cursor.U16()));
}

std::string ShortText(BiffCursor& cursor, const Globals& globals) {
  if (globals.biff8) return cursor.String8();
  return globals.codePage.ToUtf8(cursor.Bytes(cursor.U8()));
}

void ReadSharedStrings(const BiffRecord& record, StringPool& pool, Globals& globals) {
  BiffCursor cursor(record);
  cursor.Skip(4);
  const std::uint32_t unique = cursor.U32();
  for (std::uint32_t i = 0; i < unique && cursor.Remaining() > 0; ++i) {
    pool.Add(cursor.String16());
    ++globals.sharedCount;
  }
}

Globals ReadGlobals(std::span<const std::uint8_t> stream, StringPool& pool) {
  Globals globals;
  BiffRecordReader reader(stream, 0, stream.size());
  BiffRecord record;
  globals.biff8 = CheckBof(reader, record) == biff::kBiff8;
  std::map<int, NumberKind> custom;
  std::vector<int> xfFormats;
  bool sstSeen = false;
  while (reader.Next(record)) {
    BiffCursor cursor(record);
    switch (record.type) {
      case biff::kFilePass:
        throw Encrypted();
      case biff::kDateMode:
        if (cursor.U16() == 1) globals.dates = DateSystem::From1904;
        break;
      case biff::kCodePage:
        if (!globals.biff8) globals.codePage = CodePage(cursor.U16());
        break;
      case biff::kBoundSheet: {
        SheetEntry entry;
        entry.offset = cursor.U32();
        cursor.U8();
        entry.worksheet = cursor.U8() == 0;
        entry.name = ShortText(cursor, globals);
        globals.sheets.push_back(std::move(entry));
        break;
      }
      case biff::kSst:
        if (!sstSeen && globals.biff8) ReadSharedStrings(record, pool, globals);
        sstSeen = true;
        break;
      case biff::kFormat: {
        const int id = cursor.U16();
        custom[id] = globals.biff8 ? KindOfFormatCode(cursor.String16())
                                   : KindOfFormatCode(ShortText(cursor, globals));
        break;
      }
      case biff::kXf:
        cursor.U16();
        xfFormats.push_back(cursor.U16());
        break;
      case biff::kEof: {
        globals.numberKinds = KindsOfFormats(xfFormats, custom);
        globals.end = record.offset + 4 + record.data.size();
        return globals;
      }
      default:
        break;
    }
  }
  throw Damaged("the workbook globals have no end");
}

// Reads one worksheet substream's cell records into the sheet.
class SheetReader {
 public:
  SheetReader(const Globals& globals, StringPool& pool, Worksheet& sheet)
      : globals_(globals), pool_(pool), sheet_(sheet) {}

  void Read(std::span<const std::uint8_t> stream, std::size_t offset, std::size_t end) {
    BiffRecordReader reader(stream, offset, end);
    BiffRecord record;
    CheckBof(reader, record);
    int depth = 1;  // charts embedded in a sheet bring their own BOF and EOF
    while (depth > 0 && reader.Next(record)) {
      if (record.type == biff::kBof) {
        ++depth;
      } else if (record.type == biff::kEof) {
        --depth;
      } else if (depth == 1) {
        Cell(record);
      }
    }
    sheet_.Seal();
  }

 private:
  struct Place {
    std::uint32_t row;
    std::uint16_t column;
    NumberKind kind;
  };

  NumberKind KindOf(std::uint16_t xf) const {
    return xf < globals_.numberKinds.size() ? globals_.numberKinds[xf] : NumberKind::Plain;
  }

  Place ReadPlace(BiffCursor& cursor) const {
    const std::uint32_t row = cursor.U16() + 1u;
    const std::uint32_t column = cursor.U16() + 1u;
    const std::uint16_t xf = cursor.U16();
    if (column > kMaxColumns) throw Damaged("a cell lies beyond the last column");
    return Place{row, static_cast<std::uint16_t>(column), KindOf(xf)};
  }

  StoredCell Number(const Place& at, double value) const {
    return NumberValueCell(at.row, at.column, value, at.kind, globals_.dates);
  }

  static bool IsValueRecord(std::uint16_t type) {
    return type == biff::kNumber || type == biff::kRk || type == biff::kMulRk ||
           type == biff::kLabelSst || type == biff::kLabel || type == biff::kRichLabel ||
           type == biff::kBoolErr;
  }

  void Cell(const BiffRecord& record) {
    BiffCursor cursor(record);
    // A formula's text result comes in the STRING record right after it (records of shared
    // and array formulas may come between); any other cell in between means there is none.
    if (IsValueRecord(record.type)) pendingString_.reset();
    switch (record.type) {
      case biff::kNumber: {
        const Place at = ReadPlace(cursor);
        sheet_.Append(Number(at, cursor.F64()));
        break;
      }
      case biff::kRk: {
        const Place at = ReadPlace(cursor);
        sheet_.Append(Number(at, RkNumber(cursor.U32())));
        break;
      }
      case biff::kMulRk:
        MulRk(cursor);
        break;
      case biff::kLabelSst: {
        const Place at = ReadPlace(cursor);
        const std::uint32_t index = cursor.U32();
        sheet_.Append(index < globals_.sharedCount
                          ? TextCell(at.row, at.column, index)
                          : FlagCell(at.row, at.column, CellKind::Error, false));
        break;
      }
      case biff::kLabel:
      case biff::kRichLabel: {
        const Place at = ReadPlace(cursor);
        sheet_.Append(TextCell(at.row, at.column, pool_.Add(LongText(cursor, globals_))));
        break;
      }
      case biff::kBoolErr: {
        const Place at = ReadPlace(cursor);
        const bool value = cursor.U8() != 0;
        const bool error = cursor.U8() != 0;
        sheet_.Append(error ? FlagCell(at.row, at.column, CellKind::Error, false)
                            : FlagCell(at.row, at.column, CellKind::Boolean, value));
        break;
      }
      case biff::kFormula:
        Formula(cursor);
        break;
      case biff::kString:
        if (pendingString_) {
          sheet_.Append(TextCell(pendingString_->row, pendingString_->column,
                                 pool_.Add(LongText(cursor, globals_))));
          pendingString_.reset();
        }
        break;
      default:
        break;
    }
  }

  void MulRk(BiffCursor& cursor) {
    const std::uint32_t row = cursor.U16() + 1u;
    std::uint32_t column = cursor.U16() + 1u;
    // Six bytes per cell, then the last column's two bytes.
    while (cursor.Remaining() >= 8) {
      const std::uint16_t xf = cursor.U16();
      const std::uint32_t rk = cursor.U32();
      if (column > kMaxColumns) throw Damaged("a cell lies beyond the last column");
      sheet_.Append(
          Number(Place{row, static_cast<std::uint16_t>(column), KindOf(xf)}, RkNumber(rk)));
      ++column;
    }
  }

  // A formula's saved result: a number, or a marked kind in the first bytes; a text result
  // follows in the next STRING record. Nothing is recalculated.
  void Formula(BiffCursor& cursor) {
    const Place at = ReadPlace(cursor);
    pendingString_.reset();
    std::uint8_t result[8];
    for (std::uint8_t& byte : result) byte = cursor.U8();
    if (result[6] != 0xFF || result[7] != 0xFF) {
      BiffRecord copy;
      copy.data.assign(result, result + 8);
      sheet_.Append(Number(at, BiffCursor(copy).F64()));
      return;
    }
    switch (result[0]) {
      case 0:
        pendingString_ = at;
        break;
      case 1:
        sheet_.Append(FlagCell(at.row, at.column, CellKind::Boolean, result[2] != 0));
        break;
      case 2:
        sheet_.Append(FlagCell(at.row, at.column, CellKind::Error, false));
        break;
      case 3:
        sheet_.Append(TextCell(at.row, at.column, pool_.Add("")));
        break;
      default:
        break;
    }
  }

  const Globals& globals_;
  StringPool& pool_;
  Worksheet& sheet_;
  std::optional<Place> pendingString_;
};

}  // namespace

void ReadBiffStream(std::span<const std::uint8_t> stream, Workbook& workbook) {
  StringPool& pool = workbook.MutableStrings();
  const Globals globals = ReadGlobals(stream, pool);
  // Sheets follow the globals in their order and a substream ends where the next begins, so no
  // byte of the stream is read twice however the sheet list is forged.
  std::size_t previous = globals.end;
  for (const SheetEntry& entry : globals.sheets) {
    if (entry.offset < previous || entry.offset >= stream.size()) {
      throw Damaged("sheet '" + entry.name + "' does not lie after the one before it");
    }
    previous = entry.offset + 1;
  }
  for (std::size_t i = 0; i < globals.sheets.size(); ++i) {
    const SheetEntry& entry = globals.sheets[i];
    if (!entry.worksheet) continue;
    const std::size_t end =
        i + 1 < globals.sheets.size() ? globals.sheets[i + 1].offset : stream.size();
    SheetReader(globals, pool, workbook.AddSheet(entry.name)).Read(stream, entry.offset, end);
  }
  pool.Shrink();
}

void ReadXlsFile(const std::string& path, Workbook& workbook) {
  ReadBiffStream(ReadWorkbookStreamFromFile(path), workbook);
}

void ReadXlsBytes(std::span<const unsigned char> bytes, Workbook& workbook) {
  ReadBiffStream(ReadWorkbookStreamFromBytes(bytes), workbook);
}

}  // namespace velloway::workbook
