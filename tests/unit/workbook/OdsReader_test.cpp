#include "workbook/OdsReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "WorkbookTestSupport.h"
#include "support/PackageBuilder.h"

namespace velloway::test {
namespace {

std::unique_ptr<workbook::Workbook> OpenTables(const std::string& tables) {
  return Open(Zip(OdsPackage(tables)));
}

std::string Table(const std::string& name, const std::string& rows) {
  return "<table:table table:name=\"" + name + "\">" + rows + "</table:table>";
}

std::string Row(const std::string& cells, const std::string& attributes = "") {
  return "<table:table-row" + attributes + ">" + cells + "</table:table-row>";
}

std::string Cell(const std::string& attributes, const std::string& content = "") {
  return "<table:table-cell " + attributes + ">" + content + "</table:table-cell>";
}

TEST(OdsReader, RepeatedRowsAndColumnsAndParagraphs) {
  const auto book = OpenTables(
      Table("S",
            "<table:table-column table:number-columns-repeated=\"16384\"/>"
            "<table:table-row table:number-rows-repeated=\"2\">" +
                Cell("office:value-type=\"float\" office:value=\"1.5\" "
                     "table:number-columns-repeated=\"2\"") +
                "<table:table-cell/>" +
                Cell("office:value-type=\"string\"",
                     "<text:p>a<text:s text:c=\"3\"/>b<text:tab/>c<text:line-break/>d</text:p>"
                     "<text:p>second <text:span>span</text:span><text:s/></text:p>") +
                "<table:table-cell table:number-columns-repeated=\"16380\"/></table:table-row>"
                "<table:table-row table:number-rows-repeated=\"1048573\">"
                "<table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>"
                "<table:table-row>" +
                Cell("table:number-columns-repeated=\"16383\"") +
                Cell("office:value-type=\"float\" office:value=\"7\"") + "</table:table-row>") +
      Table("Empty", ""));
  ASSERT_EQ(book->Sheets().size(), 2u);
  const auto& sheet = book->Sheets()[0];
  EXPECT_EQ(sheet.Cells().size(), 7u);
  for (const char* cell : {"A1", "B1", "A2", "B2"}) EXPECT_EQ(Read(sheet, cell), "1.5") << cell;
  EXPECT_EQ(Read(sheet, "C1"), "");
  EXPECT_EQ(Read(sheet, "D2"), "a   b\tc\nd\nsecond span ");
  EXPECT_EQ(Read(sheet, "XFD1048576"), "7");
  EXPECT_EQ(book->Sheets()[1].Name(), "Empty");
}

TEST(OdsReader, ValueTypesAsTheAutomationLayerHandsThemOut) {
  const std::vector<std::pair<std::string, std::string>> cells = {
      {Cell("office:value-type=\"percentage\" office:value=\"0.25\""), "0.25"},
      {Cell("office:value-type=\"currency\" office:value=\"1234.56789\""), "1234.5679"},
      {Cell("office:value-type=\"date\" office:date-value=\"1850-03-01\""), "01/03/1850"},
      {Cell("office:value-type=\"date\" office:date-value=\"1899-12-29T06:00:00\""),
       "29/12/1899 06:00:00"},
      {Cell("office:value-type=\"time\" office:time-value=\"PT36H00M00S\""), "01/01/1900 12:00:00"},
      {Cell("office:value-type=\"time\" office:time-value=\"PT13H45M29.6S\""), "13:45:30"},
      {Cell("table:formula=\"of:=1&gt;0\" office:value-type=\"float\" office:value=\"1\"",
            "<text:p>TRUE</text:p>"),
       "True"},
      {Cell("office:value-type=\"float\" office:value=\"1\"", "<text:p>TRUE</text:p>"), "1"},
      {Cell("office:value-type=\"string\" office:string-value=\"x&#10;y\"",
            "<text:p>shown</text:p>"),
       "x\ny"},
      {Cell("office:value-type=\"string\"",
            "<office:annotation><text:p>note</text:p></office:annotation><text:p>shown</text:p>"),
       "shown"},
      {Cell("", "<text:p>untyped</text:p>"), "untyped"},
      {Cell("office:value-type=\"float\" office:value=\"1e999\""), ""},
      {Cell("office:value-type=\"string\" calcext:value-type=\"error\"",
            "<text:p>#DIV/0!</text:p>"),
       ""},
      {"<table:covered-table-cell office:value-type=\"float\" office:value=\"3\"/>", ""}};
  std::string rows;
  for (const auto& [cell, text] : cells) rows += Row(cell);
  const auto book = OpenTables(Table("T", rows));
  const auto& sheet = book->Sheets()[0];
  for (std::size_t i = 0; i < cells.size(); ++i) {
    EXPECT_EQ(Read(sheet, "A" + std::to_string(i + 1)), cells[i].second) << cells[i].first;
  }
}

TEST(OdsReader, HostileAndDamagedDocuments) {
  std::ifstream file(std::string(VELLOWAY_TEST_DATA) + "/workbooks/libreoffice/raw_cells.ods",
                     std::ios::binary);
  const std::vector<unsigned char> saved((std::istreambuf_iterator<char>(file)), {});
  ASSERT_GT(saved.size(), 10000u);
  EXPECT_EQ(FirstBadlyRefusedCopy(saved), "");
  const std::string value = Cell("office:value-type=\"float\" office:value=\"1\"");
  const std::string allRows = " table:number-rows-repeated=\"1048576\"";
  std::string blanks;
  for (int i = 0; i < 20; ++i) blanks += "<text:s text:c=\"999999999\"/>";
  for (const auto& [rows, reason] : std::vector<std::pair<std::string, std::string>>{
           // Every cell of every row asked for by repetition.
           {Row(Cell("office:value-type=\"float\" office:value=\"1\" "
                     "table:number-columns-repeated=\"16384\""),
                allRows),
            "too large: content.xml repeats cells more than 16777216 times"},
           {Row(Cell("table:number-columns-repeated=\"16384\"") + value),
            "damaged package: content.xml: a cell lies beyond the last column of sheet 'S'"},
           {Row("", allRows) + Row(value),
            "damaged package: content.xml: a cell lies beyond the last row of sheet 'S'"},
           {Row(Cell("office:value-type=\"string\"", "<text:p>" + blanks + "</text:p>")),
            "too large: content.xml expands too many blanks"}}) {
    EXPECT_EQ(OpenFailure(Zip(OdsPackage(Table("S", rows)))), reason);
  }
  Parts parts = OdsPackage("");
  parts["content.xml"] = "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaa\">]><d>&a;</d>";
  EXPECT_EQ(OpenFailure(Zip(parts)),
            "damaged package: content.xml has a document type declaration");
  parts["content.xml"] = "<office:document-content><office:body>";
  EXPECT_EQ(OpenFailure(Zip(parts)).rfind("damaged package: content.xml line 1: ", 0), 0u);
  parts.erase("content.xml");
  EXPECT_EQ(OpenFailure(Zip(parts)), "damaged package: content.xml is missing");
  parts["mimetype"] = "application/vnd.oasis.opendocument.text";
  EXPECT_EQ(OpenFailure(Zip(parts)),
            "not a workbook (an OpenDocument file that is no spreadsheet)");
}

}  // namespace
}  // namespace velloway::test
