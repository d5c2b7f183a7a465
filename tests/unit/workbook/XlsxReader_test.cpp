#include "workbook/XlsxReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "WorkbookTestSupport.h"
#include "support/PackageBuilder.h"
#include "support/TempDir.h"
#include "support/XlsbBuilder.h"
#include "support/XmlEventLog.h"
#include "workbook/Workbook.h"
#include "workbook/ZipPackage.h"

namespace velloway::test {
namespace {

TEST(XlsxReader, StrictNamespacesAndBackslashEntryNamesRead) {
  MinimalWorkbook wb;
  wb.ns = Strict();
  wb.sheets = {{"Options", "<row r=\"4\"><c r=\"B4\" t=\"s\"><v>0</v></c></row>"}};
  wb.sharedStrings = {"<si><t>2.2</t></si>"};
  // The same package with its folders separated by backslashes, as some writers save it.
  Parts windows;
  for (const auto& [name, content] : wb.Build()) {
    std::string backslashed = name;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    windows[backslashed] = content;
  }
  for (const Parts& parts : {wb.Build(), windows})
    EXPECT_EQ(Read(*Open(Zip(parts)), "Options", "B4"), "2.2");
}

TEST(XlsxReader, CustomCodesOverrideBuiltInIdsAndCurrencyHasFourDecimals) {
  MinimalWorkbook wb;
  wb.styles = StylesPart({14, 164, 165, 166},
                         {{14, "0.00"}, {164, "mmm yy"}, {165, "General"}, {166, "$#,##0.00"}});
  wb.sheets = {{"S",
                "<row r=\"1\"><c r=\"A1\" s=\"0\"><v>45306</v></c><c r=\"B1\" s=\"1\">"
                "<v>45306</v></c><c r=\"C1\" s=\"2\"><v>45306</v></c>"
                "<c r=\"D1\" s=\"9\"><v>45306</v></c><c r=\"E1\" s=\"3\"><v>-1234.56789</v></c>"
                "<c r=\"F1\" s=\"3\"><v>1E+15</v></c></row>"}};
  const auto book = Open(Zip(wb.Build()));
  // D1: a style index past the list is general; F1 is beyond what a currency amount holds.
  ExpectCells(book->Sheets()[0],
              {"A1=45306", "B1=15/01/2024", "C1=45306", "D1=45306", "E1=-1234.5679", "F1=1E+15"});
}

// Large workbooks are read on several threads: the shared strings beside the sheets. Each
// sheet's own texts, its shared-string references (one past the end is an error, read as
// empty) and the failure reported (the first in order) must not depend on how the threads ran.
TEST(XlsxReader, SheetsReadOnThreadsReadAsInOrder) {
  MinimalWorkbook wb;
  wb.sharedStrings = {"<si><t>zero</t></si>", "<si><t>one</t></si>"};
  wb.sheets = {{"A",
                "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a own</t></is></c>"
                "<c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"s\"><v>2</v></c></row>"},
               {"B",
                "<row r=\"2\"><c r=\"A2\" t=\"str\"><v>b own</v></c>"
                "<c r=\"B2\" t=\"s\"><v>0</v></c></row>"}};
  auto read = [](const std::vector<unsigned char>& bytes) {
    auto package = workbook::ZipPackage::OpenBytes(bytes);
    auto book = std::make_unique<workbook::Workbook>();
    book->SetFormat(TestFormat());
    workbook::ReadXlsx(package, *book, 0);
    return book;
  };
  const auto bytes = Zip(wb.Build());
  const auto book = read(bytes);
  ExpectCells(book->Sheets()[0], {"A1=a own", "B1=one"});
  ExpectCells(book->Sheets()[1], {"A2=b own", "B2=zero"});
  EXPECT_EQ(Read(*book, "A", "C1"), "");
  EXPECT_EQ(book->Strings().Count(), 4U);

  wb.sheets[0].second += "<row r=\"1\"/>";
  wb.sheets[1].second += "<row>";
  const auto damaged = Zip(wb.Build());
  for (int run = 0; run < 20; ++run) {
    EXPECT_EQ(FailureOf([&] { read(damaged); }), OpenFailure(damaged));
  }
  EXPECT_NE(OpenFailure(damaged).find("row 1 does not ascend"), std::string::npos);

  // From a file, every thread reads the file first opened, though its name now names another.
  TempDir dir;
  for (int run = 0; run < 20; ++run) {
    const std::string path = dir.Write("book.xlsx", std::string(bytes.begin(), bytes.end()));
    auto package = workbook::ZipPackage::OpenFile(path);
    dir.Write("other.xlsx", std::string(damaged.begin(), damaged.end()));
    std::filesystem::rename(dir.File("other.xlsx"), path);
    workbook::Workbook fromFile;
    fromFile.SetFormat(TestFormat());
    EXPECT_EQ(FailureOf([&] { workbook::ReadXlsx(package, fromFile, 0); }), "opened");
  }
}

// A binary workbook with every kind of cell record; what each cell reads as is what the
// spreadsheet program showed for this file.
XlsbWorkbook BinaryWorkbook() {
  XlsbWorkbook wb;
  wb.sharedStrings = {u"shared", u"caf\u00e9 \u20ac"};
  wb.formats = {{164, u"dd/mm/yyyy hh:mm"}};
  wb.cellFormats = {0, 14, 164, 7};
  wb.sheets = {{u"Cells", XlsbRow(0) + XlsbShared(0, 0) + XlsbShared(1, 1) +
                              XlsbText(2, u"two\nlines") + XlsbRow(1) + XlsbReal(0, 0.1 + 0.2) +
                              XlsbRk(1, (1234u << 2) | 3) + XlsbRk(2, (45306u << 2) | 2, 1) +
                              XlsbRow(2) + XlsbReal(0, 45306.75, 2) + XlsbReal(1, 1234.56789, 3) +
                              XlsbBool(2, true) + XlsbError(3, 7) + XlsbBlank(4, 1) + XlsbRow(4) +
                              XlsbFormulaNumber(0, 42) + XlsbFormulaText(1, u"text result") +
                              XlsbFormulaBool(2, false) + XlsbFormulaError(3, 0x2A) +
                              XlsbRichText(4, u"rich") + XlsbRow(65535) + XlsbReal(255, 7)},
               {u"Second", XlsbRow(0) + XlsbText(0, u"b")}};
  return wb;
}

TEST(XlsxReader, BinaryWorkbooks) {
  const auto book = Open(Zip(BinaryWorkbook().Build()));
  ASSERT_EQ(book->Sheets().size(), 2u);
  const auto& sheet = book->Sheets()[0];
  EXPECT_EQ(sheet.Name(), "Cells");
  ExpectCells(sheet, {"A1=shared", "B1=caf\u00e9 \u20ac", "C1=two\nlines", "A2=0.3", "B2=12.34",
                      "C2=15/01/2024", "A3=15/01/2024 18:00:00", "B3=1234.5679", "C3=True", "D3=",
                      "E3=", "A5=42", "B5=text result", "C5=False", "D5=", "E5=rich", "IV65536=7"});
  EXPECT_EQ(Read(*book, "Second", "A1"), "b");
}

TEST(XlsxReader, DamagedBinaryWorkbooksAreRefused) {
  EXPECT_EQ(FirstBadlyRefusedCopy(Zip(BinaryWorkbook().Build())), "");
  XlsbWorkbook wb;
  auto failure = [&](const std::string& records) {
    wb.sheets = {{u"S", records}};
    return OpenFailure(Zip(wb.Build()));
  };
  const std::string part = "damaged package: xl/worksheets/sheet1.bin: ";
  // A record claiming more than the part holds, and more than any record of the format.
  EXPECT_EQ(failure(XlsbRow(0) + XlsbReal(0, 1).substr(0, 8)),
            part + "a record runs past the end of the part");
  EXPECT_EQ(failure(XlsbRow(0) + std::string("\x05\xFF\xFF\xFF\x7F")),
            part + "a record claims 268435455 bytes");
  Bytes longText;
  longText.U32(0).U32(0).U32(1000).Wide(u"ab");
  EXPECT_EQ(failure(XlsbRow(0) + XlsbRecord(6, longText)), part + "a string is cut short");
  EXPECT_EQ(failure(XlsbReal(0, 1)), part + "a cell comes before its row");
  EXPECT_EQ(failure(XlsbRow(1048576)), part + "row 1048577 is outside the sheet");
  EXPECT_EQ(failure(XlsbRow(0) + XlsbReal(16384, 1)), part + "a cell lies beyond the last column");
}

// The sheet tokenizer against libxml2 on the texts where a hand-written tokenizer goes wrong,
// each cut into pieces of every size so that every token is also split between two pieces.
TEST(XlsxReader, SheetTokenizerAgreesWithLibxml2) {
  auto agree = [](const std::string& xml) {
    const std::string general = ThroughLibxml2(Zip({{"x.xml", xml}}));
    for (std::size_t piece = 1; piece <= xml.size() + 1; ++piece) {
      const std::string scanned = ThroughScanner(xml, piece);
      if (!scanned.empty() && scanned != general) {
        ADD_FAILURE() << ::testing::PrintToString(xml) << " in pieces of " << piece
                      << "\ntokenizer: " << ::testing::PrintToString(scanned)
                      << "\nlibxml2:   " << ::testing::PrintToString(general);
        break;
      }
    }
    return general;
  };
  // The kept cases: "accept TEXT" or "refuse TEXT" a line, every byte outside printable ASCII
  // and every backslash written as \xNN.
  std::ifstream cases(std::string(VELLOWAY_TEST_DATA) + "/xml/tokenizer_cases.txt");
  int count = 0;
  for (std::string line; std::getline(cases, line); ++count) {
    std::string xml;
    for (std::size_t i = 7; i < line.size(); ++i) {
      xml += line[i] == '\\' ? static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16))
                             : line[i];
      if (line[i] == '\\') i += 3;
    }
    EXPECT_EQ(agree(xml) == "refused", line.starts_with("refuse")) << line;
  }
  EXPECT_EQ(count, 43);
  // An ampersand in a value reaches the handler as itself, however it was written.
  EXPECT_EQ(agree("<a b='R&amp;D&#38;&#x26;&amp;#38;&lt;'>&amp;</a>"),
            "<a b{}=R&D&&&#38;<>[&]</a>");
  std::string deep;
  for (int i = 0; i < 300; ++i) deep += "<a>";
  EXPECT_EQ(agree(deep), "refused");
  // One element with thousands of attributes and declarations: read whole, a repeated name found.
  std::string wide = "<a";
  for (int i = 0; i < 5000; ++i) {
    wide += " a" + std::to_string(i) + "='' xmlns:p" + std::to_string(i) + "='u'";
  }
  EXPECT_EQ(ThroughScanner(wide + " p7:b='1'/>", 4096),
            ThroughLibxml2(Zip({{"x.xml", wide + " p7:b='1'/>"}})));
  EXPECT_EQ(ThroughScanner(wide + " a7=''/>", 4096), "refused");
  EXPECT_EQ(ThroughScanner(wide + " xmlns:p7='v'/>", 4096), "refused");
}

}  // namespace
}  // namespace velloway::test
