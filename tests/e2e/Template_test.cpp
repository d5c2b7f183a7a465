// Blank templates of both versions, filled with a few rows, import at once; an existing file is
// only written over with --force.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/TemplateWorkbook.h"
#include "e2e/Command.h"

namespace velloway {
namespace {

// One row of cells from a line whose cells are parted by "|".
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  for (std::string cell; std::getline(in, cell, '|');) cells.push_back(cell);
  return cells;
}

// Each version's rows are kept as lines of cells parted by "|", the sheet's name first.
TEST(Template, FilledWithAFewRowsItImports) {
  test::TempDir dir;
  for (const auto& [version, summary] :
       {std::pair{"2.2",
                  "Details: 3\nRiskOptions: 10\nRiskPID: 16\nQuantData: 1\nScenario1: 2\n"
                  "QualitativeRisks: 2\nRiskActions: 1\nRiskHistory: 1\nS1Impacts: 1\n"
                  "S1Mitigations: 1\n"},
        {"2.1",
         "Risks: 1\nResponseActions: 1\nTaskImpacts: 1\nQuantitativeEntries: 1\nHistoryEntries: 1\n"
         "SchemaCheck: ran\n"}}) {
    SCOPED_TRACE(version);
    app::SheetRows rows;
    std::ifstream in(std::string(VELLOWAY_TEST_DATA) + "/templates/filled-" + version + ".txt");
    for (std::string line; std::getline(in, line);) {
      std::vector<std::string> cells = Cells(line);
      rows[cells[0]].emplace_back(cells.begin() + 1, cells.end());
    }
    ASSERT_FALSE(rows.empty());
    app::WriteTemplate(dir.File("register.xlsx"), version, rows);
    const test::CommandResult r = test::RunVelloway(dir, "import register.xlsx --plan p.db");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, summary);
    EXPECT_EQ(r.err, "");
  }
}

TEST(Template, TheCommandWritesOverAFileOnlyWithForce) {
  test::TempDir dir;
  dir.Write("t.xlsx", "keep me");
  const test::CommandResult refused = test::RunVelloway(dir, "template --version 2.1 t.xlsx");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("exists; --force"), std::string::npos);
  EXPECT_EQ(test::ReadFile(dir.File("t.xlsx")), "keep me");
  EXPECT_EQ(test::RunVelloway(dir, "template --version 2.1 t.xlsx --force").exitCode, 0);
  EXPECT_EQ(test::ReadFile(dir.File("t.xlsx")).rfind("PK", 0), 0u);
}

}  // namespace
}  // namespace velloway
