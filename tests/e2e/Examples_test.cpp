// Every example workbook imports to the plan dump kept beside it, in any user locale.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempDir.h"
#include "support/XlsxBuilder.h"

namespace velloway {
namespace {

struct Example {
  const char* workbook;
  const char* dump;
  const char* locale;
};

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, ImportToTheirKeptDump) {
  test::TempDir dir;
  const std::string examples = VELLOWAY_EXAMPLES;
  const std::string env = "LC_ALL=" + std::string(GetParam().locale) + " XDG_CONFIG_HOME='" +
                          dir.File("cfg") + "' '" VELLOWAY_CLI "' ";
  const std::string plan = dir.File("plan.db");
  // Twice into the same plan: the second import replaces the first.
  for (int run = 0; run < 2; ++run) {
    const int status = std::system((env + "import '" + examples + "/" + GetParam().workbook +
                                    "' --plan '" + plan + "' --quiet 2>" + dir.File("err.txt"))
                                       .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << test::ReadFile(dir.File("err.txt"));
  }
  ASSERT_EQ(std::system((env + "dump --plan '" + plan + "' >" + dir.File("dump.json")).c_str()), 0);
  EXPECT_EQ(test::ReadFile(dir.File("dump.json")),
            test::ReadFile(examples + "/" + GetParam().dump));
}

INSTANTIATE_TEST_SUITE_P(
    Workbooks, Examples,
    ::testing::Values(Example{"register-2.2.xlsx", "register-2.2.dump.json", "C"},
                      Example{"register-2.2.xlsx", "register-2.2.dump.json", "de_DE.UTF-8"},
                      Example{"register-2.1.xlsx", "register-2.1.dump.json", "C"},
                      Example{"register-2.1.xlsx", "register-2.1.dump.json", "de_DE.UTF-8"}));

// Without --quiet a successful import says on stdout what it wrote.
TEST(Examples, ASuccessfulImportSaysWhatItWrote) {
  test::TempDir dir;
  const std::string env = "XDG_CONFIG_HOME='" + dir.File("cfg") + "' '" VELLOWAY_CLI "' ";
  const std::string examples = VELLOWAY_EXAMPLES;
  for (const auto& [workbook, summary] :
       {std::pair{"register-2.2.xlsx",
                  "Details: 3\nRiskOptions: 10\nRiskPID: 16\nQuantData: 2\nScenario1: 2\n"
                  "Scenario2: 2\nQualitativeRisks: 5\nRiskActions: 4\nRiskHistory: 5\n"
                  "S1Impacts: 3\nS2Impacts: 1\nS1Mitigations: 2\nS2Mitigations: 2\n"},
        std::pair{"register-2.1.xlsx",
                  "Risks: 6\nResponseActions: 6\nTaskImpacts: 8\nQuantitativeEntries: 8\n"
                  "HistoryEntries: 5\nSchemaCheck: ran\n"}}) {
    ASSERT_EQ(std::system((env + "import '" + examples + "/" + workbook + "' --plan '" +
                           dir.File("plan.db") + "' >" + dir.File("out.txt"))
                              .c_str()),
              0);
    EXPECT_EQ(test::ReadFile(dir.File("out.txt")), summary) << workbook;
  }
}

TEST(Examples, AFailedImportLeavesThePlansRegisterAsItWas) {
  test::TempDir dir;
  const std::string env = "XDG_CONFIG_HOME='" + dir.File("cfg") + "' '" VELLOWAY_CLI "' ";
  const std::string plan = dir.File("plan.db");
  const std::string examples = VELLOWAY_EXAMPLES;
  ASSERT_EQ(std::system(
                (env + "import '" + examples + "/register-2.2.xlsx' --plan '" + plan + "' --quiet")
                    .c_str()),
            0);
  // A template "2.2" workbook whose option cell holds letters: the load fails.
  const std::string broken = test::XlsxBuilder()
                                 .Sheet("Options")
                                 .Text("B4", "2.2")
                                 .Text("B36", "blue")
                                 .Save(dir.File("broken.xlsx"));
  const int status = std::system(
      (env + "import '" + broken + "' --plan '" + plan + "' --quiet 2>" + dir.File("err.txt"))
          .c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  // The box, then every cell that a loader stopped at.
  EXPECT_EQ(test::ReadFile(dir.File("err.txt")),
            "[Critical] Kestrion was unable to load the risks from Excel.\n"
            "velloway: Options!B56: an empty cell is not a number\n"
            "velloway: Options!B19: an empty cell is not a number\n"
            "velloway: Options!B36: 'blue' is not a number\n");
  ASSERT_EQ(std::system((env + "dump --plan '" + plan + "' >" + dir.File("dump.json")).c_str()), 0);
  EXPECT_EQ(test::ReadFile(dir.File("dump.json")),
            test::ReadFile(examples + "/register-2.2.dump.json"));
}

// The exit status of a shell command.
int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string IntegrityCheck(const std::string& plan) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(plan.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr);
  std::string result = sqlite3_step(statement) == SQLITE_ROW
                           ? reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))
                           : sqlite3_errmsg(db);
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return result;
}

// A disk that fills up or fails at several moments of the write phase of both roads, once for
// good and once for a moment (SQLite's own rollback frees the space and later writes would go
// through): the command ends with one line that names the plan and the cause, and the plan holds
// exactly what it held, undamaged, with the user's separator given back.
TEST(Examples, AFailedPlanWriteLeavesThePlanAsItWasAndSaysSo) {
  test::TempDir dir;
  const std::string env = "XDG_CONFIG_HOME='" + dir.File("cfg") + "' ";
  const std::string cli = "'" VELLOWAY_CLI "' ";
  const std::string baseline = dir.File("baseline.db");
  const std::string plan = dir.File("plan.db");
  const std::string examples = VELLOWAY_EXAMPLES;
  ASSERT_EQ(Shell(env + cli + "import '" + examples + "/register-2.2.xlsx' --plan '" + baseline +
                  "' --quiet"),
            0);
  const std::string before = dir.File("before.json");
  ASSERT_EQ(Shell(env + cli + "dump --plan '" + baseline + "' >'" + before + "'"), 0);
  for (const char* version : {"2.2", "2.1"}) {
    ASSERT_EQ(Shell("'" VELLOWAY_MAKE_REGISTER_WORKBOOK "' " + std::string(version) + " 600 '" +
                    dir.File(std::string("large-") + version + ".xlsx") + "'"),
              0);
  }
  const std::string workbooks[] = {examples + "/register-2.2.xlsx", examples + "/register-2.1.xlsx",
                                   dir.File("large-2.2.xlsx"), dir.File("large-2.1.xlsx")};
  // The test's file system only in the command; sanitizers want their runtime first otherwise.
  const std::string faulty = env + "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1 " +
                             "LD_PRELOAD='" VELLOWAY_FAULTY_VFS "' ";
  for (const std::string& workbook : workbooks) {
    const std::string import = cli + "import '" + workbook + "' --plan '" + plan + "' --quiet";
    std::filesystem::copy_file(baseline, plan, std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(Shell(faulty + "VELLOWAY_FAULT_COUNT='" + dir.File("count") + "' " + import), 0);
    const long writes = std::stol(test::ReadFile(dir.File("count")));
    for (const long at : {1L, writes / 2, writes}) {
      for (const auto& [fault, cause, times] : {std::tuple{"full", "database or disk is full", 0},
                                                std::tuple{"ioerr", "disk I/O error", 1}}) {
        const std::string what = workbook + " at write " + std::to_string(at) + " " + fault;
        std::filesystem::copy_file(baseline, plan,
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(plan + "-journal");
        EXPECT_EQ(Shell(faulty + "VELLOWAY_FAULT=" + fault + " VELLOWAY_FAULT_AFTER=" +
                        std::to_string(at) + " VELLOWAY_FAULT_TIMES=" + std::to_string(times) +
                        " " + import + " 2>'" + dir.File("err.txt") + "'"),
                  1)
            << what;
        EXPECT_EQ(test::ReadFile(dir.File("err.txt")),
                  "velloway: the plan " + plan + " could not be written: " + cause + "\n")
            << what;
        EXPECT_EQ(IntegrityCheck(plan), "ok") << what;
        ASSERT_EQ(Shell(env + cli + "dump --plan '" + plan + "' >'" + dir.File("dump.json") + "'"),
                  0);
        EXPECT_EQ(test::ReadFile(dir.File("dump.json")), test::ReadFile(before)) << what;
        EXPECT_EQ(test::ReadFile(dir.File("cfg/velloway/registry.reg")).find("Forced"),
                  std::string::npos)
            << what;
      }
    }
  }
}

// Ten thousand risks through each road, whole: the sanitizer build checks them for leaks and
// invalid accesses on the way.
TEST(Examples, TenThousandRisksOfEachRoad) {
  test::TempDir dir;
  for (const std::string version : {"2.2", "2.1"}) {
    const std::string workbook = dir.File("large-" + version + ".xlsx");
    ASSERT_EQ(Shell("'" VELLOWAY_MAKE_REGISTER_WORKBOOK "' " + version + " 10000 '" + workbook + "'"),
              0);
    EXPECT_EQ(Shell("XDG_CONFIG_HOME='" + dir.File("cfg") + "' '" VELLOWAY_CLI "' import '" +
                    workbook + "' --plan '" + dir.File(version + ".db") + "' --quiet"),
              0)
        << version;
  }
}

// The examples under valgrind's memcheck: no leak, no invalid access, in the ordinary build.
TEST(Examples, CleanUnderMemcheck) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "memcheck runs in the build without sanitizers";
#endif
  if (Shell("command -v valgrind >/dev/null") != 0) GTEST_SKIP() << "valgrind is not installed";
  test::TempDir dir;
  for (const char* workbook : {"register-2.2.xlsx", "register-2.1.xlsx"}) {
    EXPECT_EQ(Shell("XDG_CONFIG_HOME='" + dir.File("cfg") +
                    "' valgrind -q --error-exitcode=99 --leak-check=full "
                    "--errors-for-leak-kinds=definite,indirect '" VELLOWAY_CLI "' import '" +
                    std::string(VELLOWAY_EXAMPLES) + "/" + workbook + "' --plan '" +
                    dir.File("plan.db") + "' --quiet 2>'" + dir.File("memcheck.txt") + "'"),
              0)
        << workbook << "\n"
        << test::ReadFile(dir.File("memcheck.txt"));
  }
}

TEST(ExampleGenerator, WritesTheKeptWorkbooksByteForByte) {
  test::TempDir dir;
  for (const auto& [generator, name] :
       {std::pair{VELLOWAY_MAKE_REGISTER_2_2, "register-2.2.xlsx"},
        std::pair{VELLOWAY_MAKE_REGISTER_2_1, "register-2.1.xlsx"}}) {
    const std::string made = dir.File(name);
    ASSERT_EQ(std::system(("'" + std::string(generator) + "' '" + made + "'").c_str()), 0);
    EXPECT_EQ(test::ReadFile(made), test::ReadFile(std::string(VELLOWAY_EXAMPLES) + "/" + name))
        << name;
  }
}

}  // namespace
}  // namespace velloway
