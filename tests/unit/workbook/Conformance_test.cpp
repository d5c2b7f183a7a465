// Workbooks written by other programs read cell for cell as those programs show them.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "WorkbookTestSupport.h"
#include "workbook/OoxmlText.h"

namespace velloway::test {
namespace {

std::string Data(const std::string& name) {
  return std::string(VELLOWAY_TEST_DATA) + "/workbooks/" + name;
}

// Every non-empty cell by "SHEET!A1".
std::map<std::string, std::string> CellTexts(const workbook::Workbook& book) {
  std::map<std::string, std::string> cells;
  for (const auto& sheet : book.Sheets()) {
    for (const auto& cell : sheet.Cells()) {
      std::string text = workbook::CellText(sheet.ValueOf(cell), book.Format());
      if (text.empty()) continue;
      cells[sheet.Name() + "!" + workbook::ColumnLetters(cell.column) + std::to_string(cell.row)] =
          std::move(text);
    }
  }
  return cells;
}

TEST(Conformance, HandWrittenPackage) {
  for (const char* file : {"raw_cells.xlsx", "raw_cells.xlsm"}) {
    SCOPED_TRACE(file);
    const auto book = Open(Data(file));
    ExpectCells(*book, "Cells",
                {"A1=plain shared", "A2=Bold and italic", "A3=inline text", "A4=inline-rich",
                 "A5=\u6f22\u5b57", "A6=line1\nline2", "A7=cr\rlf", "A8=keep _x0041_ literal",
                 "A9=", "A10=  padded  "});
    ExpectCells(*book, "Cells",
                {"B1=True", "B2=False", "B3=", "B5=0.3", "B6=1E+15", "B7=-1.5E-07",
                 "B8=123456789.123457", "B14=", "B15="});
    ExpectCells(*book, "Cells",
                {"C1=3", "C2=stale-text", "C3=False", "C4=", "C6=", "C7=10", "C9=12",
                 "C10=", "C11=99", "C12=15/01/2024", "C13=12"});
    ExpectCells(*book, "Cells",
                {"D1=15/01/2024 12:00:00", "D2=15/01/2024", "D3=15/01/2024 18:00:00",
                 "D4=01/01/1900 12:00:00", "D5=45306.5", "D6=13:44:59", "D7=1234.5",
                 "D8=15/01/2024", "XFD1048576=7"});
    EXPECT_EQ(Read(*book, "NoRef", "E2"), "5");
    EXPECT_EQ(Read(*book, "VeryHid", "A1"), "hidden");
  }
}

TEST(Conformance, The1904SystemAcrossWriters) {
  ExpectCells(*Open(Data("raw_1904.xlsx")), "Cells",
              {"D2=16/01/2028", "D4=02/01/1904 12:00:00", "D5=43844.5"});
  ExpectCells(*Open(Data("opx_1904.xlsx")), "Dates1904",
              {"B2=15/01/2024", "B3=29/02/2024 13:45:30", "B4=01/01/1904"});
  ExpectCells(*Open(Data("xlwt_1904.xls")), "Cells", {"B10=29/02/2024", "B15=01/01/1904"});
}

TEST(Conformance, OpenpyxlFeatures) {
  const auto book = Open(Data("opx_features.xlsx"));
  ExpectCells(
      *book, "Values",
      {"B2=123456789.123457", "B3=3.14159265358979", "B7=9.00719925474099E+15", "B10=1E-300",
       "B11=", "B13=a\r\nb", "B15=Gr\u00fc\u00dfe \u20ac \u65e5\u672c \U0001F600", "B16=00123",
       "B19=", "B22=-1234.5", "B25=0.75"});
  ExpectCells(*book, "Dates",
              {"B2=29/02/2024 13:45:30", "B6=13:45:30", "B8=01/01/1900 12:30:00", "B9=29/02/2024",
               "B11=29/02/2024 13:45:30", "B12=29/02/2024 13:45:30", "B13=01/01/1900", "B14=60",
               "B15=01/03/1900", "B16=00:00:00", "B17=02/01/2024", "B18=45351.5729"});
  EXPECT_EQ(Read(*book, "Formulas", "B2"), "");  // openpyxl saves no results
  EXPECT_EQ(Read(*book, "Far", "Z100000"), "Z100000");
  EXPECT_EQ(Read(*book, "Far", "XFD1048576"), "1048576.5");
  EXPECT_EQ(Read(*book, "Hidden", "A1"), "in hidden sheet");
}

TEST(Conformance, SharedStringStressReadsAlikeInBothFormats) {
  const auto xlsx = Open(Data("sst_stress.xlsx"));
  const auto xls = Open(Data("libreoffice/sst_stress.xls"));
  EXPECT_EQ(xlsx->Sheets()[0].Cells().size(), 18000u);
  EXPECT_EQ(CellTexts(*xlsx), CellTexts(*xls));
}

TEST(Conformance, SpreadsheetProgramCopiesReadLikeTheirOriginals) {
  // What the spreadsheet program changed while saving the copies: it recalculated formulas
  // whose saved results were stale or missing and dropped the carriage return before a line
  // feed; in OpenDocument it counts the days before 1 March 1900 without the phantom
  // 29 February, and an .xls cannot hold the far cells ("" for a cell that is gone).
  using Changes = std::map<std::string, std::string>;
  const auto with = [](Changes changes, const Changes& more) {
    changes.insert(more.begin(), more.end());
    return changes;
  };
  const Changes recalculated = {
      {"Cells!C2", "ab"},    {"Cells!C3", "True"},       {"Cells!C6", "0.6"},   {"Cells!C7", "1.3"},
      {"Cells!C8", "1E+15"}, {"Cells!C9", "0.99999985"}, {"Cells!C11", "1E+15"}};
  const Changes features = {
      {"Values!B13", "a\nb"},   {"Formulas!B2", "42"},          {"Formulas!B3", "84"},
      {"Formulas!B4", "ab"},    {"Formulas!B5", "x\ny"},        {"Formulas!B7", "True"},
      {"Formulas!B8", "False"}, {"Formulas!B12", "15/01/2024"}, {"Formulas!B13", "126"}};
  const Changes dayCount = {{"Dates!B13", "31/12/1899"}, {"Dates!B14", "28/02/1900"}};
  const std::vector<std::tuple<const char*, const char*, Changes>> copies = {
      {"raw_cells.xlsx", "raw_cells.ods", recalculated},
      {"raw_cells.xlsm", "raw_cells.ods", recalculated},
      {"raw_cells.xlsx", "raw_cells.xls", with(recalculated, {{"Cells!XFD1048576", ""}})},
      {"raw_1904.xlsx", "raw_1904.ods", recalculated},
      {"opx_features.xlsx", "opx_features.ods", with(features, dayCount)},
      {"opx_features.xlsx", "opx_features.xlsx", features},
      {"opx_features.xlsx", "opx_features.xls",
       with(features, {{"Far!Z100000", ""}, {"Far!XFD1048576", ""}})},
      {"opx_1904.xlsx", "opx_1904.ods", {}},
      {"xlwt_cells.xls", "xlwt_cells.ods", {{"Cells!B17", "42"}}},
      {"xlwt_1904.xls", "xlwt_1904.ods", {{"Cells!B17", "42"}}},
      {"xlwt_far.xls", "xlwt_far.ods", {}}};
  for (const auto& [original, copy, changes] : copies) {
    SCOPED_TRACE(copy);
    auto expected = CellTexts(*Open(Data(original)));
    for (const auto& [cell, text] : changes) {
      if (text.empty()) {
        expected.erase(cell);
      } else {
        expected[cell] = text;
      }
    }
    EXPECT_EQ(CellTexts(*Open(Data(std::string("libreoffice/") + copy))), expected);
  }
}

// Cell for cell, xlwt's workbooks read as their OpenDocument copies do (above).
TEST(Conformance, XlwtFarCellsAndEncryption) {
  const auto far = Open(Data("xlwt_far.xls"));
  ASSERT_EQ(far->Sheets().size(), 5u);
  EXPECT_EQ(Read(*far, "S5", "IV65536"), "5");
  EXPECT_EQ(far->Sheets()[4].Cells().size(), 1u);
  EXPECT_EQ(OpenFailure(Data("xlwt_filepass.xls")), "encrypted workbook");
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
