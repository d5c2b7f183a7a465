// Hostile and damaged workbooks end as a workbook that cannot be opened, with a reason, or
// as one unreadable cell; never a crash, a hang or a huge allocation.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "WorkbookTestSupport.h"
#include "support/PackageBuilder.h"
#include "support/TempDir.h"

namespace velloway::test {
namespace {

std::vector<unsigned char> OneSheet(const std::string& sheetData) {
  MinimalWorkbook wb;
  wb.sheets = {{"S", sheetData}};
  return Zip(wb.Build());
}

TEST(BadInput, FilesThatAreNoWorkbook) {
  TempDir dir;
  EXPECT_EQ(OpenFailure(dir.Write("empty.xlsx", "")), "not a workbook (the file is empty)");
  EXPECT_EQ(OpenFailure(dir.Write("text.xlsx", "name,value\n")),
            "not a workbook (no zip or compound file signature)");
  EXPECT_EQ(OpenFailure(dir.File("missing.xlsx")),
            "the file cannot be read (No such file or directory)");
  EXPECT_EQ(OpenFailure(dir.path()), "the file cannot be read (Is a directory)");
  const std::string fifo = dir.File("pipe.xlsx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(OpenFailure(fifo), "the file cannot be read (not a regular file)");
  // A zip that is no spreadsheet package, and one whose main document is another kind.
  EXPECT_EQ(OpenFailure(Zip({{"readme.txt", "hello"}})),
            "not a workbook (the package names no main document)");
  MinimalWorkbook wb;
  wb.sheets = {{"S", ""}};
  Parts parts = wb.Build();
  parts["xl/workbook.xml"] = "<document xmlns=\"urn:x\"/>";
  EXPECT_EQ(OpenFailure(Zip(parts)), "not a workbook (the package holds no workbook)");
  parts = wb.Build();
  const auto at = parts["_rels/.rels"].find("xl/workbook.xml");
  parts["_rels/.rels"].replace(at, 15, "xl/workbook.bin");
  EXPECT_EQ(OpenFailure(Zip(parts)), "damaged package: xl/workbook.bin is missing");
}

TEST(BadInput, TruncatedAndDamagedPackages) {
  auto bytes = OneSheet("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  auto truncated = bytes;
  truncated.resize(bytes.size() / 2);
  EXPECT_EQ(OpenFailure(truncated).rfind("damaged package: ", 0), 0u) << OpenFailure(truncated);

  MinimalWorkbook wb;
  wb.sheets = {{"S", ""}};
  Parts parts = wb.Build();
  parts.erase("xl/worksheets/sheet1.xml");
  EXPECT_EQ(OpenFailure(Zip(parts)), "damaged package: xl/worksheets/sheet1.xml is missing");
  parts = wb.Build();
  parts["xl/worksheets/sheet1.xml"] = "<worksheet><sheetData><row>";
  // The rest of the reason is the XML parser's own wording.
  const std::string reason = OpenFailure(Zip(parts));
  EXPECT_EQ(reason.rfind("damaged package: xl/worksheets/sheet1.xml line 1: ", 0), 0u) << reason;
}

TEST(BadInput, DocumentTypesAreRefusedSoEntitiesNeverExpand) {
  TempDir dir;
  const std::string secret = dir.Write("secret.txt", "do not read");
  const std::string laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
      "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>&c;</t></is></c>"
      "</row></sheetData></worksheet>";
  const std::string external = "<?xml version=\"1.0\"?><!DOCTYPE w [<!ENTITY x SYSTEM \"file://" +
                               secret + "\">]><worksheet><sheetData/></worksheet>";
  for (const std::string& sheet : {laughs, external}) {
    MinimalWorkbook wb;
    wb.sheets = {{"S", ""}};
    Parts parts = wb.Build();
    parts["xl/worksheets/sheet1.xml"] = sheet;
    EXPECT_EQ(OpenFailure(Zip(parts)),
              "damaged package: xl/worksheets/sheet1.xml has a document type declaration");
  }
}

TEST(BadInput, ReferencesOutsideTheSheetAndRowsOutOfOrder) {
  EXPECT_EQ(OpenFailure(OneSheet("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>")),
            "damaged package: xl/worksheets/sheet1.xml: cell reference 'XFE1' is outside the "
            "sheet");
  EXPECT_EQ(OpenFailure(OneSheet("<row r=\"1048577\"><c><v>1</v></c></row>")),
            "damaged package: xl/worksheets/sheet1.xml: row 1048577 is outside the sheet");
  EXPECT_EQ(OpenFailure(OneSheet("<row r=\"99999999999999\"><c><v>1</v></c></row>")),
            "damaged package: xl/worksheets/sheet1.xml: row number '99999999999999' is not a "
            "number");
  EXPECT_EQ(OpenFailure(OneSheet("<row r=\"5\"/><row r=\"3\"/>")),
            "damaged package: xl/worksheets/sheet1.xml: row 3 does not ascend");
  EXPECT_EQ(OpenFailure(OneSheet("<row r=\"1\"><c r=\"B1\"><v>1</v></c><c r=\"A1\"><v>1</v></c>"
                                 "</row>")),
            "damaged package: xl/worksheets/sheet1.xml: cell A1 does not ascend");
}

TEST(BadInput, UnreadableValuesMakeOneEmptyCell) {
  MinimalWorkbook wb;
  wb.sharedStrings = {"<si><t>only</t></si>"};
  wb.sheets = {{"S",
                "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"B1\"><v>abc</v></c>"
                "<c r=\"C1\" t=\"b\"><v>maybe</v></c><c r=\"D1\" t=\"s\"><v>0</v></c>"
                "<c r=\"E1\"><v>1e999</v></c><c r=\"F1\"><v> </v></c></row>"}};
  const auto book = Open(Zip(wb.Build()));
  for (const char* cell : {"A1", "B1", "C1", "E1", "F1"})
    EXPECT_EQ(Read(*book, "S", cell), "") << cell;
  EXPECT_EQ(Read(*book, "S", "D1"), "only");
}

TEST(BadInput, DeflateBombIsRefusedByTheBytesInflated) {
  // 64 MiB of one repeated row packs to well under a thousandth of its size.
  std::string rows = "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>";
  rows += std::string(64u << 20, ' ');
  const auto bytes = OneSheet(rows);
  ASSERT_LT(bytes.size(), 200u * 1024);
  EXPECT_EQ(OpenFailure(bytes),
            "too large: xl/worksheets/sheet1.xml inflates to more than 250 times its packed size");
}

}  // namespace
}  // namespace velloway::test
