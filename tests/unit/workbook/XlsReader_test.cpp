#include "workbook/XlsReader.h"

#include <gtest/gtest.h>

#include "WorkbookTestSupport.h"
#include "support/BiffBuilder.h"
#include "workbook/WorkbookError.h"

namespace velloway::test {
namespace {

std::unique_ptr<workbook::Workbook> ReadStream(const ByteVector& stream) {
  auto book = std::make_unique<workbook::Workbook>();
  workbook::ReadBiffStream(stream, *book);
  book->SetFormat(TestFormat());
  return book;
}

std::string StreamFailure(const ByteVector& stream) {
  try {
    ReadStream(stream);
    return "opened";
  } catch (const workbook::WorkbookError& e) {
    return e.what();
  }
}

// A shared-string table of three strings whose second and third cross into CONTINUE records:
// "abc" | "de" + (wide) "fé€" | "gh" + (narrow) "ij".
std::vector<ByteVector> SplitSharedStrings() {
  return {
      Record(0x00FC, Bytes().U32(3).U32(3).String16("abc").U16(5).U8(0).Narrow("de")),
      Record(0x003C, Bytes().U8(1).Wide(u"f\u00e9\u20ac").U16(4).U8(1).Wide(u"gh")),
      Record(0x003C, Bytes().U8(0).Narrow("ij")),
  };
}

TEST(XlsReader, CellRecordsAndSharedStringsAcrossContinues) {
  auto globals = SplitSharedStrings();
  globals.push_back(XfRecord(0));
  globals.push_back(XfRecord(14));
  const auto book = ReadStream(WorkbookStream(
      globals,
      {{"Cells",
        {LabelSstRecord(0, 0, 0), LabelSstRecord(0, 1, 1), LabelSstRecord(0, 2, 2),
         LabelSstRecord(0, 3, 7), NumberRecord(1, 0, 0.1 + 0.2), RkRecord(1, 1, (42u << 2) | 2),
         RkRecord(1, 2, (1234u << 2) | 3),
         Record(
             0x00BD,
             Bytes().U16(2).U16(0).U16(0).U32((7u << 2) | 2).U16(1).U32((45306u << 2) | 2).U16(2)),
         BoolErrRecord(3, 0, 1, false), BoolErrRecord(3, 1, 0, false),
         BoolErrRecord(3, 2, 0x2A, true),
         Record(0x0204, Bytes().U16(4).U16(0).U16(0).String16("label\ntext"))}}}));
  const auto& sheet = book->Sheets()[0];
  EXPECT_EQ(Read(sheet, "A1"), "abc");
  EXPECT_EQ(Read(sheet, "B1"), "def\u00e9\u20ac");
  EXPECT_EQ(Read(sheet, "C1"), "ghij");
  EXPECT_EQ(Read(sheet, "D1"), "");  // index past the table
  EXPECT_EQ(Read(sheet, "A2"), "0.3");
  EXPECT_EQ(Read(sheet, "B2"), "42");
  EXPECT_EQ(Read(sheet, "C2"), "12.34");
  EXPECT_EQ(Read(sheet, "A3"), "7");
  EXPECT_EQ(Read(sheet, "B3"), "15/01/2024");
  EXPECT_EQ(Read(sheet, "A4"), "True");
  EXPECT_EQ(Read(sheet, "B4"), "False");
  EXPECT_EQ(Read(sheet, "C4"), "");
  EXPECT_EQ(Read(sheet, "A5"), "label\ntext");
}

TEST(XlsReader, FormulaResultsAsSavedNeverRecalculated) {
  const auto book = ReadStream(WorkbookStream(
      {XfRecord(0), XfRecord(22)},
      {{"F",
        {FormulaRecord(0, 0, FormulaNumber(3)), FormulaRecord(1, 0, FormulaMarked(0)),
         StringRecord("text result"), FormulaRecord(2, 0, FormulaMarked(1, 1)),
         FormulaRecord(3, 0, FormulaMarked(2, 7)), FormulaRecord(4, 0, FormulaMarked(3)),
         FormulaRecord(5, 0, FormulaNumber(45306.75), 1)}}}));
  const auto& sheet = book->Sheets()[0];
  EXPECT_EQ(Read(sheet, "A1"), "3");
  EXPECT_EQ(Read(sheet, "A2"), "text result");
  EXPECT_EQ(Read(sheet, "A3"), "True");
  EXPECT_EQ(Read(sheet, "A4"), "");
  EXPECT_EQ(sheet.Cell(4, 1).kind, workbook::CellKind::Error);
  EXPECT_EQ(sheet.Cell(5, 1).kind, workbook::CellKind::Text);
  EXPECT_EQ(Read(sheet, "A6"), "15/01/2024 18:00:00");
}

TEST(XlsReader, FormatsDateModeAndSheetKinds) {
  const auto book = ReadStream(WorkbookStream(
      {Record(0x0022, Bytes().U16(1)), FormatRecord(164, "dd\"th\" mmm"),
       FormatRecord(165, "0.0\" h\""), XfRecord(0), XfRecord(164), XfRecord(165)},
      {{"Chart", {}, 2}, {"Dates", {NumberRecord(0, 0, 0, 1), NumberRecord(0, 1, 1.5, 2)}}}));
  ASSERT_EQ(book->Sheets().size(), 1u);  // a chart sheet is no worksheet
  const auto& sheet = book->Sheets()[0];
  EXPECT_EQ(sheet.Name(), "Dates");
  EXPECT_EQ(Read(sheet, "A1"), "01/01/1904");
  EXPECT_EQ(Read(sheet, "B1"), "1.5");
}

TEST(XlsReader, EncryptedOlderAndDamagedStreamsAreRefused) {
  EXPECT_EQ(StreamFailure(WorkbookStream({Record(0x002F, Bytes().U16(1))}, {})),
            "encrypted workbook");
  const ByteVector biff5 = Record(0x0809, Bytes().U16(0x0500).U16(0x0005));
  EXPECT_EQ(StreamFailure(biff5), "not a workbook (an older format than BIFF8)");
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

TEST(XlsReader, CompoundFilesFromBytes) {
  const ByteVector stream = WorkbookStream({}, {{"S", {NumberRecord(0, 0, 2.5)}}});
  const auto book = workbook::OpenWorkbookBytes(CompoundFile("Workbook", stream));
  book->SetFormat(TestFormat());
  EXPECT_EQ(Read(*book, "S", "A1"), "2.5");
  EXPECT_EQ(OpenFailure(CompoundFile("Book", stream)),
            "not a workbook (an older format than BIFF8)");
  EXPECT_EQ(OpenFailure(CompoundFile("EncryptedPackage", stream)), "encrypted workbook");
  EXPECT_EQ(OpenFailure(CompoundFile("WordDocument", stream)),
            "not a workbook (the compound file holds no workbook stream)");
}

}  // namespace
}  // namespace velloway::test
