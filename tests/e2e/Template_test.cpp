// Blank templates of both versions, filled with a few rows, import at once; an existing file is
// only written over with --force.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "app/TemplateWorkbook.h"
#include "support/TempDir.h"

namespace velloway {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct Filled {
  const char* version;
  app::SheetRows rows;
  const char* summary;
};

std::vector<std::string> OlderRisk(const std::string& last) {
  return {"R1",
          "Threat",
          "Late permit",
          "M",
          "M",
          "H",
          "9",
          "Reduce",
          "Early application",
          "1200",
          "L",
          "L",
          "M",
          "4",
          "A. Owner",
          "Council backlog",
          "Permit arrives late",
          "Start slips",
          "1.1",
          "Open",
          "Easy",
          "Near",
          "2025-03-03",
          "2025-06-30",
          "5000",
          "TRUE",
          "TRUE",
          "Civil",
          last};
}

const Filled kFilled[] = {
    {"2.2",
     {{"Qualitative Risks", Rows{{"R1",
                                  "Threat",
                                  "Late permit",
                                  "M",
                                  "M",
                                  "H",
                                  "L",
                                  "9",
                                  "L",
                                  "L",
                                  "M",
                                  "L",
                                  "4",
                                  "2025-06-30",
                                  "Open",
                                  "A. Owner",
                                  "Council backlog",
                                  "Permit arrives late",
                                  "Start slips",
                                  "1.1",
                                  "",
                                  "TRUE"},
                                 {"R2", "Opportunity", "Dry summer", "L", "L", "M", "N", "4"}}},
      {"Response Actions", Rows{{"Early application", "R1", "Apply in March", "A. Owner",
                                 "2025-03-01", "", "1200", "Proposed", "L", "L", "M", "L", "4"}}},
      {"Quantitative Risks", Rows{{"Base", "R1", "Late permit", "0.3", "1200", "Apply early"}}},
      {"Task Impacts", Rows{{"Base", "R1", "10", "TRUE", "Triangular", "1", "2", "4", "Triangular",
                             "100", "200", "400", "FALSE"}}},
      {"Risk History",
       Rows{{"R1", "Threat", "Late permit", "H", "M",    "H",        "L", "12", "L", "L",
             "M",  "L",      "4",           "",  "Open", "A. Owner", "",  "",   "",  "1.1",
             "",   "TRUE",   "2025-01-15"}}}},
     "Details: 3\nRiskOptions: 10\nRiskPID: 16\nQuantData: 1\nScenario1: 2\n"
     "QualitativeRisks: 2\nRiskActions: 1\nRiskHistory: 1\nS1Impacts: 1\nS1Mitigations: 1\n"},
    {"2.1",
     {{"Qualitative Risks", Rows{OlderRisk("Ask twice")}},
      {"Response Actions",
       Rows{{"Apply", "R1", "Apply in March", "A. Owner", "2025-03-01", "2025-03-10", "", "",
             "1200", "0", "", "Proposed", "L", "L", "M", "4"}}},
      {"Quantitative Risks", Rows{{"Pre-mitigation", "R1", "Late permit", "0.3", "1200"}}},
      {"Task Impacts", Rows{{"Pre-mitigation", "R1", "1", "Triangular", "1", "2", "4", "Uniform",
                             "100", "200", "400", "TRUE", "TRUE", "FALSE"}}},
      {"Risk History", Rows{OlderRisk("2025-01-15")}}},
     "Risks: 1\nResponseActions: 1\nTaskImpacts: 1\nQuantitativeEntries: 1\nHistoryEntries: 1\n"
     "SchemaCheck: ran\n"}};

TEST(Template, FilledWithAFewRowsItImports) {
  test::TempDir dir;
  const std::string env = "XDG_CONFIG_HOME='" + dir.File("cfg") + "' '" VELLOWAY_CLI "' ";
  for (const Filled& filled : kFilled) {
    const std::string book = dir.File(std::string("register-") + filled.version + ".xlsx");
    app::WriteTemplate(book, filled.version, filled.rows);
    const int status = std::system((env + "import '" + book + "' --plan '" + dir.File("p.db") +
                                    "' >" + dir.File("out.txt") + " 2>" + dir.File("err.txt"))
                                       .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << filled.version << test::ReadFile(dir.File("err.txt"));
    EXPECT_EQ(test::ReadFile(dir.File("out.txt")), filled.summary) << filled.version;
    EXPECT_EQ(test::ReadFile(dir.File("err.txt")), "") << filled.version;
  }
}

TEST(Template, TheCommandWritesOverAFileOnlyWithForce) {
  test::TempDir dir;
  const std::string command = "'" VELLOWAY_CLI "' template --version 2.1 '" + dir.File("t.xlsx") +
                              "' >/dev/null 2>" + dir.File("err.txt");
  dir.Write("t.xlsx", "keep me");
  EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
  EXPECT_NE(test::ReadFile(dir.File("err.txt")).find("exists; --force"), std::string::npos);
  EXPECT_EQ(test::ReadFile(dir.File("t.xlsx")), "keep me");
  EXPECT_EQ(WEXITSTATUS(std::system((command + " --force").c_str())), 0);
  EXPECT_EQ(test::ReadFile(dir.File("t.xlsx")).rfind("PK", 0), 0u);
}

}  // namespace
}  // namespace velloway
