// The register XML road through the command: the example older-template workbook is stored as
// a document that xmllint accepts under the shipped schema, and nothing is asked.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "support/TempDir.h"

namespace velloway {
namespace {

int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RegisterXmlRoad, TheStoredDocumentPassesXmllint) {
  test::TempDir dir;
  const std::string run =
      "cd '" + dir.path() + "' && XDG_CONFIG_HOME='" + dir.File("cfg") + "' '" VELLOWAY_CLI "' ";
  ASSERT_EQ(Shell(run + "import '" VELLOWAY_EXAMPLES "/register-2.1.xlsx' --plan p.db --no " +
                  "--quiet 2>err.txt"),
            0);
  // No error line was logged, so the error log is not offered.
  EXPECT_EQ(test::ReadFile(dir.File("err.txt")), "");
  ASSERT_EQ(Shell(run + "dump --plan p.db --tag RR2-XML --raw >register.xml"), 0);
  if (Shell("command -v xmllint >/dev/null") != 0) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(Shell("xmllint --noout --nonet --schema '" VELLOWAY_SOURCE_SHARE
                  "/RiskRegister/RiskRegister.xsd' '" +
                  dir.File("register.xml") + "' 2>'" + dir.File("lint.txt") + "'"),
            0)
      << test::ReadFile(dir.File("lint.txt"));
}

}  // namespace
}  // namespace velloway
