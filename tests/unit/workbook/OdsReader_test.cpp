#include "workbook/OdsReader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "WorkbookTestSupport.h"
#include "support/PackageBuilder.h"
#include "support/TempDir.h"

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
  // The kept cases: a cell's XML, a tab, and what the cell reads as (a line feed written as \n).
  std::vector<std::pair<std::string, std::string>> cells;
  std::ifstream kept(std::string(VELLOWAY_TEST_DATA) + "/ods_value_types.txt");
  for (std::string line; std::getline(kept, line);) {
    std::string text = line.substr(line.find('\t') + 1);
    if (const std::size_t at = text.find("\\n"); at != std::string::npos) text.replace(at, 2, "\n");
    cells.emplace_back(line.substr(0, line.find('\t')), text);
  }
  ASSERT_EQ(cells.size(), 14u);
  std::string rows;
  for (const auto& [cell, text] : cells) rows += Row(cell);
  const auto book = OpenTables(Table("T", rows));
  const auto& sheet = book->Sheets()[0];
  for (std::size_t i = 0; i < cells.size(); ++i) {
    EXPECT_EQ(Read(sheet, "A" + std::to_string(i + 1)), cells[i].second) << cells[i].first;
  }
}

TEST(OdsReader, HostileAndDamagedDocuments) {
  const std::string file =
      ReadFile(std::string(VELLOWAY_TEST_DATA) + "/workbooks/libreoffice/raw_cells.ods");
  const std::vector<unsigned char> saved(file.begin(), file.end());
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
