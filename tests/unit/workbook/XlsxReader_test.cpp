#include "workbook/XlsxReader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "WorkbookTestSupport.h"
#include "support/PackageBuilder.h"
#include "support/TempDir.h"
#include "support/XlsbBuilder.h"
#include "support/XlsxBuilder.h"
#include "support/XmlEventLog.h"

namespace velloway::test {
namespace {

std::vector<std::string> SheetNames(const workbook::Workbook& book) {
  std::vector<std::string> names;
  for (const auto& sheet : book.Sheets()) names.push_back(sheet.Name());
  return names;
}

TEST(XlsxReader, NumbersTextsBooleansAndFormulaResults) {
  TempDir dir;
  const auto book = Open(XlsxBuilder()
                             .Sheet("Values")
                             .Number("A1", 2.5)
                             .Number("A2", 123456789.12345679)
                             .Number("A3", 1e-5)
                             .Number("A4", 12345678901234567.0)
                             .Text("A5", "$1,200")
                             .Text("A6", "first\nsecond")
                             .Boolean("A7", true)
                             .Boolean("A8", false)
                             .Formula("A9", "=2*21", 42)
                             .FormulaText("A10", "=\"a\"&\"b\"", "ab")
                             .Rich("A11", {"plain ", "bold", " tail"})
                             .Number("C3", 0.1 + 0.2, "0.00%")
                             .Save(dir.File("values.xlsx")));
  ExpectCells(
      *book, "Values",
      {"A1=2.5", "A2=123456789.123457", "A3=1E-05", "A4=1.23456789012346E+16", "A5=$1,200",
       "A6=first\nsecond", "A7=True", "A8=False", "A9=42", "A10=ab", "A11=plain bold tail"});
  EXPECT_EQ(Read(*book, "Values", "C3"), "0.3");  // a percent format is no date
  ExpectCells(*book, "Values", {"B1=", "A12="});
}

TEST(XlsxReader, DateAndTimeFormatsGiveDatesOtherFormatsNumbers) {
  TempDir dir;
  const double serial = 45351.5729166667;  // 29 February 2024 13:45
  const auto book = Open(XlsxBuilder()
                             .Sheet("Dates")
                             .Number("A1", serial, "d/m/yyyy")
                             .Number("A2", 45351, "yyyy-mm-dd")
                             .Number("A3", 0.75, "hh:mm")
                             .Number("A4", 1.5, "[h]:mm")
                             .Number("A5", serial, "[$-409]d-mmm-yyyy;@")
                             .Number("A6", serial, "dd\"th of\" mmmm")
                             .Number("A7", 12.5, "0.0\" days\"")
                             .Number("A8", 12.5, "[Red]0.00;[Blue]-0.00")
                             .Number("A9", 12.5, "0.00E+00")
                             .Number("A10", 12.5, "\\d0.0")
                             .Formula("A11", "=DATE(2024,1,15)", 45306, "dd/mm/yyyy")
                             .Number("A12", 60, "yyyy-mm-dd")
                             .Number("A13", 59, "yyyy-mm-dd")
                             .Number("A14", -1, "yyyy-mm-dd")
                             .Save(dir.File("dates.xlsx")));
  ExpectCells(*book, "Dates", {"A1=29/02/2024 13:45:00", "A2=29/02/2024", "A3=18:00:00"});
  // Elapsed time counts days from the start of the date system, as any date does.
  ExpectCells(*book, "Dates",
              {"A4=01/01/1900 12:00:00", "A5=29/02/2024 13:45:00", "A6=29/02/2024 13:45:00",
               "A7=12.5", "A8=12.5", "A9=12.5", "A10=12.5", "A11=15/01/2024"});
  // The phantom 29 February 1900 has no date; the day before it is 28 February.
  ExpectCells(*book, "Dates", {"A12=60", "A13=28/02/1900", "A14=-1"});
}

TEST(XlsxReader, CurrencyFormatsGiveAmountsOfFourDecimals) {
  TempDir dir;
  const auto book = Open(XlsxBuilder()
                             .Sheet("Costs")
                             .Number("A1", 1234.56789, "\"$\"#,##0.00")
                             .Number("A2", -0.123456, "#,##0.00\\ [$\u20ac-407]")
                             .Number("A3", 1e15, "$#,##0")
                             .Number("A4", 123456789012.123, "$#,##0.00")
                             .Number("A5", 1234.56789, "#,##0.00")
                             .Formula("A6", "=A1/3", 411.52263, "\"$\"#,##0.00")
                             .Save(dir.File("costs.xlsx")));
  ExpectCells(*book, "Costs", {"A1=1234.5679", "A2=-0.1235"});
  EXPECT_EQ(Read(*book, "Costs", "A3"), "1E+15");  // beyond what a currency amount holds
  ExpectCells(*book, "Costs", {"A4=123456789012.123", "A5=1234.56789", "A6=411.5226"});
}

TEST(XlsxReader, SheetsInWorkbookOrderHiddenOnesIncluded) {
  TempDir dir;
  const auto book = Open(XlsxBuilder()
                             .Sheet("options")
                             .Sheet("Hidden one", true)
                             .Sheet("RISK HISTORY")
                             .Text("A1", "x")
                             .Save(dir.File("sheets.xlsx")));
  EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"options", "Hidden one", "RISK HISTORY"}));
  EXPECT_EQ(Read(*book, "RISK HISTORY", "A1"), "x");
}

TEST(XlsxReader, InlineStringsCellsWithoutReferencesAndEscapes) {
  MinimalWorkbook wb;
  wb.sheets = {{"S",
                "<row><c t=\"inlineStr\"><is><t>one</t></is></c><c><v>2</v></c></row>"
                "<row><c><v>3</v></c><c r=\"D2\" t=\"inlineStr\"><is><r><t>ri</t></r><r><t>ch"
                "</t></r><rPh><t>skip</t></rPh></is></c><c><v>5</v></c></row>"
                "<row r=\"5\"><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c>"
                "<c t=\"str\"><v>a_x000D_b</v></c></row>"}};
  wb.sharedStrings = {"<si><t>cr_x000D_lf _x005F_x0041_</t></si>",
                      "<si><t>x</t><rPh><t>phonetic</t></rPh></si>"};
  const auto book = workbook::OpenWorkbookBytes(Zip(wb.Build()));
  book->SetFormat(TestFormat());
  ExpectCells(
      *book, "S",
      {"A1=one", "B1=2", "A2=3", "D2=rich", "E2=5", "A5=cr\rlf _x0041_", "B5=x", "C5=a\rb"});
}

TEST(XlsxReader, StrictNamespacesAndBackslashEntryNamesRead) {
  MinimalWorkbook wb;
  wb.ns = Strict();
  wb.sheets = {{"Options", "<row r=\"4\"><c r=\"B4\" t=\"s\"><v>0</v></c></row>"}};
  wb.sharedStrings = {"<si><t>2.2</t></si>"};
  const auto book = workbook::OpenWorkbookBytes(Zip(wb.Build()));
  book->SetFormat(TestFormat());
  EXPECT_EQ(Read(*book, "Options", "B4"), "2.2");
  // The same package with its folders separated by backslashes, as some writers save it.
  Parts windows;
  for (const auto& [name, content] : wb.Build()) {
    std::string backslashed = name;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    windows[backslashed] = content;
  }
  const auto copy = workbook::OpenWorkbookBytes(Zip(windows));
  copy->SetFormat(TestFormat());
  EXPECT_EQ(Read(*copy, "Options", "B4"), "2.2");
}

TEST(XlsxReader, ErrorsIsoDatesAndThe1904System) {
  MinimalWorkbook wb;
  wb.styles = StylesPart({0, 14});
  wb.workbookAttributes = "date1904=\"1\"";
  wb.sheets = {{"S",
                "<row r=\"1\"><c r=\"A1\" t=\"e\"><v>#N/A</v></c>"
                "<c r=\"B1\" s=\"1\"><v>0</v></c><c r=\"C1\" s=\"1\"><v>43844.5</v></c>"
                "<c r=\"D1\" t=\"d\" s=\"1\"><v>2024-01-15T12:00:00</v></c>"
                "<c r=\"E1\" t=\"d\"><v>2024-01-15</v></c>"
                "<c r=\"F1\" s=\"1\"><f>NOW()</f></c></row>"}};
  const auto book = workbook::OpenWorkbookBytes(Zip(wb.Build()));
  book->SetFormat(TestFormat());
  ExpectCells(*book, "S",
              {"A1=", "B1=01/01/1904", "C1=15/01/2024 12:00:00", "D1=15/01/2024 12:00:00"});
  EXPECT_EQ(Read(*book, "S", "E1"), "43844");  // an ISO date in a general cell is its serial
  EXPECT_EQ(Read(*book, "S", "F1"), "");       // a formula without a saved result
  EXPECT_EQ(book->Sheets()[0].Cell(1, 1).kind, workbook::CellKind::Error);
}

TEST(XlsxReader, CustomCodesOverrideBuiltInIds) {
  MinimalWorkbook wb;
  wb.styles = StylesPart({14, 164, 165}, {{14, "0.00"}, {164, "mmm yy"}, {165, "General"}});
  wb.sheets = {{"S",
                "<row r=\"1\"><c r=\"A1\" s=\"0\"><v>45306</v></c><c r=\"B1\" s=\"1\">"
                "<v>45306</v></c><c r=\"C1\" s=\"2\"><v>45306</v></c>"
                "<c r=\"D1\" s=\"9\"><v>45306</v></c></row>"}};
  const auto book = workbook::OpenWorkbookBytes(Zip(wb.Build()));
  book->SetFormat(TestFormat());
  ExpectCells(*book, "S", {"A1=45306", "B1=15/01/2024", "C1=45306"});
  EXPECT_EQ(Read(*book, "S", "D1"), "45306");  // a style index past the list is general
}

}  // namespace
}  // namespace velloway::test

namespace velloway::test {
namespace {

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
  const auto book = workbook::OpenWorkbookBytes(Zip(BinaryWorkbook().Build()));
  book->SetFormat(TestFormat());
  EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"Cells", "Second"}));
  const auto& sheet = book->Sheets()[0];
  ExpectCells(sheet, {"A1=shared", "B1=caf\u00e9 \u20ac", "C1=two\nlines", "A2=0.3", "B2=12.34",
                      "C2=15/01/2024", "A3=15/01/2024 18:00:00", "B3=1234.5679", "C3=True", "D3=",
                      "E3=", "A5=42", "B5=text result", "C5=False", "D5=", "E5=rich", "IV65536=7"});
  EXPECT_EQ(sheet.Cell(3, 4).kind, workbook::CellKind::Error);
  EXPECT_EQ(sheet.Cell(3, 5).kind, workbook::CellKind::Empty);
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
  const char* const kAccepted[] = {
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<a/>",
      "\xEF\xBB\xBF<a xmlns='urn:m' xmlns:p=\"urn:p\" p:x=' 1\t2\r\n3 ' y=\"&lt;&#65;&#x42;\"/>",
      "<p:a xmlns:p='urn:p'><p:b xml:space='preserve'>x</p:b></p:a>",
      "<a>l1\r\nl2\rl3&#13;&amp;&apos;&quot;&gt; ]] ] &#x10FFFF;\xC3\xA9\xE2\x82\xAC</a>",
      "<!-- c --><?pi data?><a><![CDATA[<&\r\n]]]]>x<!---->\n</a >\n<?q?><!-- d -->\n",
      "<\xC3\xA9l \xC3\xA9t='1'>\xF0\x9F\x98\x80</\xC3\xA9l>",
      "<a b = \"1\" c='\"'><b/></a>"};
  const char* const kRefused[] = {"",
                                  "<a>",
                                  "<a></b>",
                                  "<a/><b/>",
                                  "x<a/>",
                                  "<a/>x",
                                  "<a b='1' b='2'/>",
                                  "<a b='<'/>",
                                  "<a>&nbsp;</a>",
                                  "<a>&#0;</a>",
                                  "<a>&#xD800;</a>",
                                  "<a>&#12a;</a>",
                                  "<a>&amp</a>",
                                  "<a>]]></a>",
                                  "<a>\x01</a>",
                                  "<a>\xC0\xAF</a>",
                                  "<a>\xED\xA0\x80</a>",
                                  "<a>\xEF\xBF\xBE</a>",
                                  "<p:a/>",
                                  "<a xmlns:p='urn:p' p:b='1' xmlns:q='urn:p' q:b='2'/>",
                                  "<a b='1'c='2'/>",
                                  "<a b/>",
                                  "<1a/>",
                                  "<a:/>",
                                  "<a:b:c xmlns:a='u'/>",
                                  "<a><!-- x -- y --></a>",
                                  "<a><?xml version='1.0'?></a>",
                                  "<a><!DOCTYPE a></a>",
                                  "<![CDATA[x]]><a/>",
                                  "<a",
                                  "<a><b></a></b>",
                                  "<a>\xE2\x82</a>",
                                  "<a xmlns:p=''/>",
                                  "<a xmlns='urn:}a b'/>"};
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
  for (const char* xml : kAccepted) EXPECT_NE(agree(xml), "refused") << xml;
  for (const char* xml : kRefused) EXPECT_EQ(agree(xml), "refused") << xml;
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
