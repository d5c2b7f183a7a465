// Every example workbook imports to the plan dump kept beside it, in any user locale.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

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
  EXPECT_EQ(test::ReadFile(dir.File("err.txt")),
            "[Critical] Kestrion was unable to load the risks from Excel.\n");
  ASSERT_EQ(std::system((env + "dump --plan '" + plan + "' >" + dir.File("dump.json")).c_str()), 0);
  EXPECT_EQ(test::ReadFile(dir.File("dump.json")),
            test::ReadFile(examples + "/register-2.2.dump.json"));
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
