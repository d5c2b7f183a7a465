#include "workbook/XlsReader.h"

#include <gtest/gtest.h>

#include "WorkbookTestSupport.h"
#include "support/BiffBuilder.h"
#include "support/TempDir.h"

namespace velloway::test {
namespace {

std::unique_ptr<workbook::Workbook> ReadStream(const ByteVector& stream) {
  auto book = std::make_unique<workbook::Workbook>();
  workbook::ReadBiffStream(stream, *book);
  book->SetFormat(TestFormat());
  return book;
}

std::string StreamFailure(const ByteVector& stream) {
  return FailureOf([&] { ReadStream(stream); });
}

// Cell records of every kind are Excel95WorkbooksInTheirCodePage's; here the shared-string table,
// whose second and third strings cross into CONTINUE records: "abc" | "de" + (wide) "fé€" |
// "gh" + (narrow) "ij".
TEST(XlsReader, SharedStringsAcrossContinuesAndLabels) {
  const auto book = ReadStream(WorkbookStream(
      {Record(0x00FC, Bytes().U32(3).U32(3).String16("abc").U16(5).U8(0).Narrow("de")),
       Record(0x003C, Bytes().U8(1).Wide(u"f\u00e9\u20ac").U16(4).U8(1).Wide(u"gh")),
       Record(0x003C, Bytes().U8(0).Narrow("ij"))},
      {{"Cells",
        {LabelSstRecord(0, 0, 0), LabelSstRecord(0, 1, 1), LabelSstRecord(0, 2, 2),
         LabelSstRecord(0, 3, 7),
         Record(0x0204, Bytes().U16(4).U16(0).U16(0).String16("label\ntext"))}}}));
  // D1: an index past the table.
  ExpectCells(book->Sheets()[0],
              {"A1=abc", "B1=def\u00e9\u20ac", "C1=ghij", "D1=", "A5=label\ntext"});
}

// A chart sheet is no worksheet; the 1904 date system and the FORMAT records, the conformance
// workbooks written by other programs show.
TEST(XlsReader, CellsOutOfOrderAreSortedAndTheLaterOfTwoCountsChartSheetsLeftOut) {
  const auto book =
      ReadStream(WorkbookStream({}, {{"Chart", {}, 2},
                                     {"S",
                                      {NumberRecord(2, 0, 3), NumberRecord(0, 1, 2),
                                       NumberRecord(0, 0, 1), NumberRecord(2, 0, 4)}}}));
  ASSERT_EQ(book->Sheets().size(), 1u);
  const auto& sheet = book->Sheets()[0];
  std::vector<std::string> order;
  for (const auto& cell : sheet.Cells()) {
    order.push_back(std::to_string(cell.row) + ":" + std::to_string(cell.column) + "=" +
                    workbook::CellText(sheet.ValueOf(cell), book->Format()));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"1:1=1", "1:2=2", "3:1=4"}));
}

// A FILEPASS record in the stream is the conformance workbook xlwt_filepass.xls's.
TEST(XlsReader, EncryptedOlderAndDamagedStreamsAreRefused) {
  EXPECT_EQ(OpenFailure(CompoundFile("EncryptedPackage", {})), "encrypted workbook");
  EXPECT_EQ(OpenFailure(CompoundFile("WordDocument", {})),
            "not a workbook (the compound file holds no workbook stream)");
  // Excel 2.x to 4.x workbooks, as their bare record streams and inside a compound file.
  const ByteVector biff4 = Record(0x0409, Bytes().U16(0).U16(0x0100).U16(0));
  EXPECT_EQ(StreamFailure(biff4),
            "not a workbook (an Excel 4.0 (BIFF4) file, older than Excel 5.0)");
  TempDir dir;
  EXPECT_EQ(OpenFailure(dir.Write("old.xls", std::string(biff4.begin(), biff4.end()))),
            "not a workbook (an Excel 4.0 (BIFF4) file, older than Excel 5.0)");
  EXPECT_EQ(OpenFailure(CompoundFile("Book", Record(0x0009, Bytes().U16(0).U16(0x0010)))),
            "not a workbook (an Excel 2.x (BIFF2) file, older than Excel 5.0)");
  ByteVector cut = WorkbookStream({}, {{"S", {NumberRecord(0, 0, 1)}}});
  cut.resize(cut.size() - 8);
  EXPECT_EQ(StreamFailure(cut),
            "damaged package: a record runs past the end of the workbook stream");
  // A string longer than what its records hold.
  EXPECT_EQ(StreamFailure(WorkbookStream({Record(0x00FC, Bytes().U32(1).U32(1).U16(9).U8(0))}, {})),
            "damaged package: a string of the workbook stream is cut short");
  // Two sheets claiming one substream.
  ByteVector twice = WorkbookStream({}, {{"A", {}}, {"B", {}}});
  // The globals' BOF takes 20 bytes; each BOUNDSHEET of a one-letter name 13, its offset
  // field right after its 4-byte header.
  const auto offsetOfA = twice.begin() + 20 + 4;
  std::copy(offsetOfA, offsetOfA + 4, offsetOfA + 13);
  EXPECT_EQ(StreamFailure(twice),
            "damaged package: sheet 'B' does not lie after the one before it");
}

// An Excel 95 workbook in code page 1251 with every kind of cell record; what each cell reads
// as is what the spreadsheet program showed for this file.
ByteVector Biff5Workbook() {
  std::vector<ByteVector> globals = {CodePageRecord(1251), Record(0x0022, Bytes().U16(0)),
                                     Biff5FormatRecord(164, "dd/mm/yyyy hh:mm"),
                                     Biff5FormatRecord(165, "#,##0.00\\ \"\x88\"")};  // euro
  for (int i = 0; i < 16; ++i) globals.push_back(Biff5XfRecord(0));  // the cell styles' own
  for (const int format : {0, 14, 164, 165}) globals.push_back(Biff5XfRecord(format));  // 16..19
  const std::string cyrillic = "\xCF\xF0\xE8\xE2\xE5\xF2";  // "Privet" in Cyrillic letters
  const ByteVector richLabel =
      Record(0x00D6, Bytes().U16(0).U16(1).U16(16).U16(4).Narrow("rich").U8(1).U8(2).U8(0));
  const ByteVector mulRk = Record(
      0x00BD,
      Bytes().U16(2).U16(0).U16(16).U32((7u << 2) | 2).U16(17).U32((45306u << 2) | 2).U16(1));
  // Formulas whose saved results are what they calculate to: a text constant, 3, TRUE.
  const ByteVector formulaText = Bytes().U8(0x17).U8(9).Narrow("two\nlines").data();
  const ByteVector formulaNumber = Bytes().U8(0x1F).F64(3).data();
  return WorkbookStream(
      globals,
      {{"\xCB\xE8\xF1\xF2",
        {Biff5LabelRecord(0, 0, cyrillic, 16), richLabel, NumberRecord(1, 0, 0.1 + 0.2, 16),
         RkRecord(1, 1, (1234u << 2) | 3, 16), mulRk, NumberRecord(3, 0, 45306.75, 18),
         NumberRecord(3, 1, 1234.56789, 19), BoolErrRecord(4, 0, 1, false),
         BoolErrRecord(4, 1, 7, true), FormulaRecord(5, 0, FormulaMarked(0), 16, formulaText),
         Biff5StringRecord("two\nlines"), FormulaRecord(5, 1, FormulaNumber(3), 16, formulaNumber),
         FormulaRecord(5, 2, FormulaMarked(1, 1), 16, {0x1D, 1})}},
       {"Second", {Biff5LabelRecord(0, 0, "b", 16)}}},
      kBiff5);
}

TEST(XlsReader, Excel95WorkbooksInTheirCodePage) {
  const ByteVector stream = Biff5Workbook();
  for (const char* name : {"Book", "BOOK", "Workbook"}) {
    SCOPED_TRACE(name);
    const auto book = Open(CompoundFile(name, stream));
    ASSERT_EQ(book->Sheets().size(), 2u);
    const auto& sheet = book->Sheets()[0];
    EXPECT_EQ(sheet.Name(), "\u041b\u0438\u0441\u0442");
    ExpectCells(sheet, {"A1=\u041f\u0440\u0438\u0432\u0435\u0442", "B1=rich", "A2=0.3", "B2=12.34",
                        "A3=7", "B3=15/01/2024", "A4=15/01/2024 18:00:00", "B4=1234.5679",
                        "A5=True", "B5=", "A6=two\nlines", "B6=3", "C6=True"});
    EXPECT_EQ(Read(*book, "Second", "A1"), "b");
  }
  EXPECT_EQ(FirstBadlyRefusedCopy(CompoundFile("Book", stream)), "");
  // A label claiming more characters than its record holds.
  EXPECT_EQ(StreamFailure(WorkbookStream(
                {}, {{"S", {Record(0x0204, Bytes().U16(0).U16(0).U16(0).U16(40).Narrow("short"))}}},
                kBiff5)),
            "damaged package: a record of the workbook stream is cut short");
}

}  // namespace
}  // namespace velloway::test
