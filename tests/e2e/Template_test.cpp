// Blank templates of both versions, filled with a few rows, import at once; an existing file is
// only written over with --force.
#include <gtest/gtest.h>

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

const char* const kOlderRisk =
    "R1|Threat|Late permit|M|M|H|9|Reduce|Early application|1200|L|L|M|4|A. Owner|"
    "Council backlog|Permit arrives late|Start slips|1.1|Open|Easy|Near|2025-03-03|2025-06-30|"
    "5000|TRUE|TRUE|Civil|";

TEST(Template, FilledWithAFewRowsItImports) {
  const struct {
    const char* version;
    std::vector<std::pair<const char*, std::string>> rows;  // sheet, row
    const char* summary;
  } filled[] = {
      {"2.2",
       {{"Qualitative Risks",
         "R1|Threat|Late permit|M|M|H|L|9|L|L|M|L|4|2025-06-30|Open|A. Owner|Council backlog|"
         "Permit arrives late|Start slips|1.1||TRUE"},
        {"Qualitative Risks", "R2|Opportunity|Dry summer|L|L|M|N|4"},
        {"Response Actions",
         "Early application|R1|Apply in March|A. Owner|2025-03-01||1200|Proposed|L|L|M|L|4"},
        {"Quantitative Risks", "Base|R1|Late permit|0.3|1200|Apply early"},
        {"Task Impacts", "Base|R1|10|TRUE|Triangular|1|2|4|Triangular|100|200|400|FALSE"},
        {"Risk History",
         "R1|Threat|Late permit|H|M|H|L|12|L|L|M|L|4||Open|A. Owner||||1.1||TRUE|2025-01-15"}},
       "Details: 3\nRiskOptions: 10\nRiskPID: 16\nQuantData: 1\nScenario1: 2\n"
       "QualitativeRisks: 2\nRiskActions: 1\nRiskHistory: 1\nS1Impacts: 1\nS1Mitigations: 1\n"},
      {"2.1",
       {{"Qualitative Risks", kOlderRisk + std::string("Ask twice")},
        {"Response Actions",
         "Apply|R1|Apply in March|A. Owner|2025-03-01|2025-03-10|||1200|0||Proposed|L|L|M|4"},
        {"Quantitative Risks", "Pre-mitigation|R1|Late permit|0.3|1200"},
        {"Task Impacts",
         "Pre-mitigation|R1|1|Triangular|1|2|4|Uniform|100|200|400|TRUE|TRUE|FALSE"},
        {"Risk History", kOlderRisk + std::string("2025-01-15")}},
       "Risks: 1\nResponseActions: 1\nTaskImpacts: 1\nQuantitativeEntries: 1\nHistoryEntries: 1\n"
       "SchemaCheck: ran\n"}};
  test::TempDir dir;
  for (const auto& book : filled) {
    SCOPED_TRACE(book.version);
    app::SheetRows rows;
    for (const auto& [sheet, line] : book.rows) rows[sheet].push_back(Cells(line));
    app::WriteTemplate(dir.File("register.xlsx"), book.version, rows);
    const test::CommandResult r = test::RunVelloway(dir, "import register.xlsx --plan p.db");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, book.summary);
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
