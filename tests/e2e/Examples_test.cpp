// Every example workbook imports to the plan dump kept beside it, in any user locale; failed
// imports and failed plan writes leave the plan as it was; large registers of both roads import
// whole (the failed-write test's counting runs, under the sanitizers in their build). The
// register XML road through the command, and blank templates filled in, import as well.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/TemplateWorkbook.h"
#include "e2e/Command.h"
#include "support/XlsxBuilder.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway::test {
namespace {

const std::string kExamples = VELLOWAY_EXAMPLES;

// Twice into the same plan (the second import replaces the first), the first time saying on
// stdout what it wrote.
TEST(Examples, ImportToTheirKeptDumpInAnyLocale) {
  const struct {
    const char* name;
    const char* summary;
  } examples[] = {{"register-2.2",
                   "Details: 3\nRiskOptions: 10\nRiskPID: 16\nQuantData: 2\nScenario1: 2\n"
                   "Scenario2: 2\nQualitativeRisks: 5\nRiskActions: 4\nRiskHistory: 5\n"
                   "S1Impacts: 3\nS2Impacts: 1\nS1Mitigations: 2\nS2Mitigations: 2\n"},
                  {"register-2.1",
                   "Risks: 6\nResponseActions: 6\nTaskImpacts: 8\nQuantitativeEntries: 8\n"
                   "HistoryEntries: 5\nSchemaCheck: ran\n"}};
  for (const auto& example : examples) {
    for (const std::string locale : {"C", "de_DE.UTF-8"}) {
      SCOPED_TRACE(example.name + (" in " + locale));
      TempDir dir;
      const std::string env = "LC_ALL=" + locale;
      const std::string import = "import '" + kExamples + "/" + example.name + ".xlsx' --plan p.db";
      const CommandResult first = RunVelloway(dir, import, env);
      EXPECT_EQ(first.exitCode, 0) << first.err;
      EXPECT_EQ(first.out, example.summary);
      EXPECT_EQ(RunVelloway(dir, import + " --quiet", env).exitCode, 0);
      EXPECT_EQ(RunVelloway(dir, "dump --plan p.db", env).out,
                ReadFile(kExamples + "/" + example.name + ".dump.json"));
    }
  }
}

TEST(Examples, AFailedImportLeavesThePlansRegisterAsItWas) {
  TempDir dir;
  ASSERT_EQ(RunVelloway(dir, "import '" + kExamples + "/register-2.2.xlsx' --plan p.db").exitCode,
            0);
  // A template "2.2" workbook whose option cell holds letters: the load fails.
  XlsxBuilder broken;
  broken.Sheet("Options").Text("B4", "2.2").Text("B36", "blue").Save(dir.File("broken.xlsx"));
  const CommandResult r = RunVelloway(dir, "import broken.xlsx --plan p.db --quiet");
  EXPECT_EQ(r.exitCode, 1);
  // The box, then every cell that a loader stopped at.
  EXPECT_EQ(r.err,
            "[Critical] Kestrion was unable to load the risks from Excel.\n"
            "velloway: Options!B56: an empty cell is not a number\n"
            "velloway: Options!B19: an empty cell is not a number\n"
            "velloway: Options!B36: 'blue' is not a number\n");
  EXPECT_EQ(RunVelloway(dir, "dump --plan p.db").out,
            ReadFile(kExamples + "/register-2.2.dump.json"));
}

// A disk that fills up or fails at several moments of the write phase of both roads, once for
// good and once for a moment (SQLite's own rollback frees the space and later writes would go
// through): the command ends with one line that names the plan and the cause, and the plan holds
// exactly what it held, undamaged, with the user's separator given back.
TEST(Examples, AFailedPlanWriteLeavesThePlanAsItWasAndSaysSo) {
  TempDir dir;
  ASSERT_EQ(
      RunVelloway(dir, "import '" + kExamples + "/register-2.2.xlsx' --plan baseline.db").exitCode,
      0);
  const std::string before = RunVelloway(dir, "dump --plan baseline.db").out;
  for (const char* version : {"2.2", "2.1"}) {
    ASSERT_EQ(Shell("'" VELLOWAY_MAKE_REGISTER_WORKBOOK "' " + std::string(version) + " 600 '" +
                    dir.File(std::string("large-") + version + ".xlsx") + "'"),
              0);
  }
  // The test's file system only in the command; sanitizers want their runtime first otherwise.
  const std::string faulty =
      "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1 LD_PRELOAD='" VELLOWAY_FAULTY_VFS "' ";
  const auto restore = [&] {
    std::filesystem::copy_file(dir.File("baseline.db"), dir.File("plan.db"),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(dir.File("plan.db-journal"));
  };
  for (const std::string& workbook :
       {kExamples + "/register-2.2.xlsx", kExamples + "/register-2.1.xlsx",
        std::string("large-2.2.xlsx"), std::string("large-2.1.xlsx")}) {
    const std::string import = "import '" + workbook + "' --plan plan.db --quiet";
    restore();
    ASSERT_EQ(RunVelloway(dir, import, faulty + "VELLOWAY_FAULT_COUNT=count").exitCode, 0);
    const long writes = std::stol(ReadFile(dir.File("count")));
    for (const long at : {1L, writes / 2, writes}) {
      for (const auto& [fault, cause, times] : {std::tuple{"full", "database or disk is full", 0},
                                                std::tuple{"ioerr", "disk I/O error", 1}}) {
        SCOPED_TRACE(workbook + " at write " + std::to_string(at) + " " + fault);
        restore();
        const CommandResult r = RunVelloway(dir, import,
                                            faulty + "VELLOWAY_FAULT=" + fault +
                                                " VELLOWAY_FAULT_AFTER=" + std::to_string(at) +
                                                " VELLOWAY_FAULT_TIMES=" + std::to_string(times));
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err,
                  "velloway: the plan plan.db could not be written: " + std::string(cause) + "\n");
        EXPECT_EQ(
            Shell("sqlite3 '" + dir.File("plan.db") + "' 'PRAGMA integrity_check' | grep -qx ok"),
            0);
        EXPECT_EQ(RunVelloway(dir, "dump --plan plan.db").out, before);
        EXPECT_EQ(ReadFile(dir.File("cfg/velloway/registry.reg")).find("Forced"),
                  std::string::npos);
      }
    }
  }
}

// The examples under valgrind's memcheck: no leak, no invalid access, in the ordinary build.
TEST(Examples, CleanUnderMemcheck) {
#ifdef VELLOWAY_SANITIZED
  GTEST_SKIP() << "memcheck runs in the build without sanitizers";
#endif
  if (Shell("command -v valgrind >/dev/null") != 0) GTEST_SKIP() << "valgrind is not installed";
  TempDir dir;
  for (const char* workbook : {"register-2.2.xlsx", "register-2.1.xlsx"}) {
    EXPECT_EQ(Shell("XDG_CONFIG_HOME='" + dir.File("cfg") +
                    "' valgrind -q --error-exitcode=99 --leak-check=full "
                    "--errors-for-leak-kinds=definite,indirect '" VELLOWAY_CLI "' import '" +
                    kExamples + "/" + workbook + "' --plan '" + dir.File("plan.db") +
                    "' --quiet 2>'" + dir.File("memcheck.txt") + "'"),
              0)
        << workbook << "\n"
        << ReadFile(dir.File("memcheck.txt"));
  }
}

TEST(ExampleGenerator, WritesTheKeptWorkbooksByteForByte) {
  TempDir dir;
  for (const auto& [generator, name] :
       {std::pair{VELLOWAY_MAKE_REGISTER_2_2, "register-2.2.xlsx"},
        std::pair{VELLOWAY_MAKE_REGISTER_2_1, "register-2.1.xlsx"}}) {
    ASSERT_EQ(Shell("'" + std::string(generator) + "' '" + dir.File(name) + "'"), 0);
    EXPECT_EQ(ReadFile(dir.File(name)), ReadFile(kExamples + "/" + name)) << name;
  }
}

// The register XML road through the command: the example older-template workbook is stored as
// a document that xmllint accepts under the shipped schema, and nothing is asked.
TEST(RegisterXmlRoad, TheStoredDocumentPassesXmllint) {
  TempDir dir;
  const CommandResult r =
      RunVelloway(dir, "import '" VELLOWAY_EXAMPLES "/register-2.1.xlsx' --plan p.db --no --quiet");
  ASSERT_EQ(r.exitCode, 0);
  // No error line was logged, so the error log is not offered.
  EXPECT_EQ(r.err, "");
  ASSERT_EQ(RunVelloway(dir, "dump --plan p.db --tag RR2-XML --raw").exitCode, 0);
  if (Shell("command -v xmllint >/dev/null") != 0) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(Shell("xmllint --noout --nonet --schema '" VELLOWAY_SOURCE_SHARE
                  "/RiskRegister/RiskRegister.xsd' '" +
                  dir.File("out.txt") + "' 2>'" + dir.File("lint.txt") + "'"),
            0)
      << ReadFile(dir.File("lint.txt"));
}

// The sheet steps' questions reach the terminal and take the command's answer, and their error
// log is written to the temporary folder with the platform's line ends; which steps ask and log
// what, the road's own tests check.
TEST(RegisterXmlRoad, TheStepsAskAndLogThroughTheCommand) {
  TempDir dir;
  OlderWorkbook()
      .Records("Qualitative Risks", {OlderWorkbook::Risk("R1"), OlderWorkbook::Risk("R1")})
      .Records("Response Actions", {{"Survey", "R9"}})
      .Save(dir.File("book.xlsx"));
  const CommandResult r =
      RunVelloway(dir, "import book.xlsx --plan p.db --yes --quiet", "TMPDIR=. VISUAL=true");
  ASSERT_EQ(r.exitCode, 0);
  for (const char* question :
       {"R1 already exists.  Would you like to replace this risk?",
        "There were errors during your import.  Do you wish to view these errors?"}) {
    EXPECT_NE(r.err.find(question + std::string("\nAnswer: Yes\n")), std::string::npos) << r.err;
  }
  EXPECT_NE(ReadFile(dir.File("ExcelToRRErrorLog.txt"))
                .find("Could not add Mitiagtion Action as Risk (ID -R9) does not exist\r\n"),
            std::string::npos);
}

// Blank templates of both versions, filled with a few rows, import at once; an existing file is
// only written over with --force.

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
}  // namespace velloway::test
