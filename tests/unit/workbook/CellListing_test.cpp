#include "workbook/CellListing.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "WorkbookTestSupport.h"
#include "support/TempDir.h"
#include "support/XlsxBuilder.h"

namespace velloway::test {
namespace {

std::string Listed(const workbook::Workbook& book, const std::optional<std::string>& sheet,
                   bool* found = nullptr) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  const bool ok = workbook::ListCells(book, sheet, out);
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  if (found != nullptr) *found = ok;
  return text;
}

TEST(CellListing, NonEmptyCellsRowByRowWithDollarsAndLineFeedsMarked) {
  TempDir dir;
  const auto book = Open(XlsxBuilder()
                             .Sheet("Options")
                             .Text("B4", "2.2")
                             .Text("A4", "$5")
                             .Number("C1", 0.5)
                             .Text("AA10", "two\nlines")
                             .FormulaText("A11", "=\"\"", "")
                             .Sheet("Risk History")
                             .Boolean("A1", true)
                             .Save(dir.File("list.xlsx")));
  EXPECT_EQ(Listed(*book, std::nullopt),
            "Options!C1\t0.5\nOptions!A4\t$5\nOptions!B4\t2.2\nOptions!AA10\ttwo<CRLF>lines\n"
            "Risk History!A1\tTrue\n");
  EXPECT_EQ(Listed(*book, "risk history"), "Risk History!A1\tTrue\n");
  bool found = true;
  EXPECT_EQ(Listed(*book, "Nothing", &found), "");
  EXPECT_FALSE(found);
}

}  // namespace
}  // namespace velloway::test
