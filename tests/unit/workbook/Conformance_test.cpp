// Workbooks written by other programs read cell for cell as those programs show them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

#include "WorkbookTestSupport.h"
#include "workbook/OoxmlText.h"

namespace velloway::test {
namespace {

std::string Data(const std::string& name) {
  return std::string(VELLOWAY_TEST_DATA) + "/workbooks/" + name;
}

// Every non-empty cell by "SHEET!A1", its text with backslashes, tabs, line feeds and carriage
// returns escaped as C does.
std::map<std::string, std::string> CellTexts(const workbook::Workbook& book) {
  std::map<std::string, std::string> cells;
  for (const auto& sheet : book.Sheets()) {
    for (const auto& cell : sheet.Cells()) {
      std::string text;
      for (const char c : workbook::CellText(sheet.ValueOf(cell), book.Format())) {
        const std::size_t special = std::string_view("\\\t\n\r").find(c);
        text +=
            special == std::string::npos ? std::string(1, c) : std::string("\\") + "\\tnr"[special];
      }
      if (!text.empty())
        cells[sheet.Name() + "!" + workbook::ColumnLetters(cell.column) +
              std::to_string(cell.row)] = text;
    }
  }
  return cells;
}

// Each workbook, and each copy a spreadsheet program saved of it (under libreoffice/), reads cell
// for cell as the listing kept beside it under listings/: one "SHEET!A1<TAB>text" line a cell.
// VELLOWAY_KEEP_LISTINGS=1 writes the listings anew, to be reviewed before they are committed.
TEST(Conformance, WorkbooksReadAsTheirKeptListings) {
  for (const std::string file :
       {"raw_cells.xlsx", "raw_cells.xlsm", "raw_1904.xlsx", "opx_features.xlsx", "opx_1904.xlsx",
        "xlwt_cells.xls", "xlwt_1904.xls", "xlwt_far.xls", "libreoffice/raw_cells.ods",
        "libreoffice/raw_cells.xls", "libreoffice/raw_1904.ods", "libreoffice/opx_features.ods",
        "libreoffice/opx_features.xlsx", "libreoffice/opx_features.xls", "libreoffice/opx_1904.ods",
        "libreoffice/xlwt_cells.ods", "libreoffice/xlwt_1904.ods", "libreoffice/xlwt_far.ods"}) {
    auto read = CellTexts(*Open(Data(file)));
    const std::string listing = Data("listings/" + file + ".tsv");
    if (std::getenv("VELLOWAY_KEEP_LISTINGS") != nullptr) {
      std::ofstream out(listing);
      for (const auto& [cell, text] : read) out << cell << "\t" << text << "\n";
    }
    std::map<std::string, std::string> kept;
    std::ifstream in(listing);
    for (std::string line; std::getline(in, line);)
      kept[line.substr(0, line.find('\t'))] = line.substr(line.find('\t') + 1);
    ASSERT_FALSE(kept.empty()) << listing;
    auto cells = kept;
    cells.insert(read.begin(), read.end());
    for (const auto& [cell, unused] : cells)
      EXPECT_EQ(read[cell], kept[cell]) << file << " " << cell;
  }
  EXPECT_EQ(OpenFailure(Data("xlwt_filepass.xls")), "encrypted workbook");
}

TEST(Conformance, SharedStringStressReadsAlikeInBothFormats) {
  const auto xlsx = Open(Data("sst_stress.xlsx"));
  const auto xls = Open(Data("libreoffice/sst_stress.xls"));
  EXPECT_EQ(xlsx->Sheets()[0].Cells().size(), 18000u);
  EXPECT_EQ(CellTexts(*xlsx), CellTexts(*xls));
}

TEST(Conformance, NumberTextsParseToTheExactDouble) {
  const auto book = Open(Data("raw_numbers.xlsx"));
  const auto& sheet = book->Sheets()[0];
  std::ifstream expected(Data("numbers_expected.tsv"));
  std::string line;
  int checked = 0;
  while (std::getline(expected, line)) {
    std::istringstream fields(line);
    std::string cell, text, hex;
    std::getline(fields, cell, '\t');
    std::getline(fields, text, '\t');
    std::getline(fields, hex, '\t');
    std::uint32_t row = 0;
    std::uint16_t column = 0;
    ASSERT_TRUE(workbook::ParseCellReference(cell, row, column));
    const auto value = sheet.Cell(row, column);
    ASSERT_EQ(value.kind, workbook::CellKind::Number) << cell;
    ASSERT_EQ(value.number, std::strtod(hex.c_str(), nullptr)) << cell << " " << text;
    ++checked;
  }
  EXPECT_EQ(checked, 20000);
}

}  // namespace
}  // namespace velloway::test
