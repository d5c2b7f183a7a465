// The register XML road end to end: the example older-template workbook through the launch
// sequence into a plan file, compared with the dump kept next to it, and through the command.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "control/LibraryState.h"
#include "control/modSubMain.h"
#include "host/PlanDump.h"
#include "host/ReferenceHost.h"
#include "host/SqlitePlan.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace velloway {
namespace {

const std::string kExamples = std::string(VELLOWAY_SOURCE_SHARE) + "/../examples";
const std::string kWorkbook = kExamples + "/register-2.1.xlsx";
const std::string kGoldenDump = kExamples + "/register-2.1.dump.json";
const std::string kSchema = std::string(VELLOWAY_SOURCE_SHARE) + "/RiskRegister/RiskRegister.xsd";

class RegisterXmlRoad : public ::testing::Test {
 protected:
  RegisterXmlRoad() {
    plan = host::SqlitePlan::Open(dir.File("plan.db"), host::SqlitePlan::Mode::OpenOrCreate);
    fakes.platform.createHostApplication = [this] {
      return std::make_shared<host::ReferenceHost>(plan, VELLOWAY_SOURCE_SHARE);
    };
    fakes.registry->WriteString(RegistryHive::CurrentUser,
                                "SOFTWARE\\Kestrion Software\\Velloway\\RiskRegister",
                                "ExcelImportPath", kWorkbook);
  }
  int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  test::TempDir dir;
  test::FakePlatform fakes;
  std::shared_ptr<host::SqlitePlan> plan;
};

// VELLOWAY_UPDATE_GOLDEN=1 rewrites the kept dump from this run.
TEST_F(RegisterXmlRoad, TheExampleImportsToItsKeptDump) {
  LibraryState state(fakes.platform);
  modSubMain::Main(state);
  const std::string dump = host::PlanJson(plan->Contents());
  if (std::getenv("VELLOWAY_UPDATE_GOLDEN") != nullptr) std::ofstream(kGoldenDump) << dump;
  EXPECT_EQ(dump, test::ReadFile(kGoldenDump));
  // Nothing was logged, so nothing is asked; the document passed the shipped schema.
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_FALSE(state.errorLog.hasErrors);
}

TEST_F(RegisterXmlRoad, TheCommandStoresADocumentThatXmllintAccepts) {
  const std::string run =
      "cd '" + dir.path() + "' && XDG_CONFIG_HOME='" + dir.File("cfg") + "' '" VELLOWAY_CLI "' ";
  ASSERT_EQ(Shell(run + "import '" + kWorkbook + "' --plan cli.db --yes 2>err.txt"), 0)
      << test::ReadFile(dir.File("err.txt"));
  ASSERT_EQ(Shell(run + "dump --plan cli.db --tag RR2-XML --raw >register.xml"), 0);
  if (Shell("command -v xmllint >/dev/null") != 0) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(Shell("xmllint --noout --nonet --schema '" + kSchema + "' '" +
                  dir.File("register.xml") + "' 2>'" + dir.File("lint.txt") + "'"),
            0)
      << test::ReadFile(dir.File("lint.txt"));
}

}  // namespace
}  // namespace velloway
