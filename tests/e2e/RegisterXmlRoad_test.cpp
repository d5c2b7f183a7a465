// The register XML road through the command: the example older-template workbook is stored as
// a document that xmllint accepts under the shipped schema, and nothing is asked.
#include <gtest/gtest.h>

#include "e2e/Command.h"
#include "unit/registerxml/OlderWorkbook.h"

namespace velloway::test {
namespace {

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

}  // namespace
}  // namespace velloway::test
