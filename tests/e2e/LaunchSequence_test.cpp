// The launch sequence end to end through the scripted UI and the recording host.
#include <gtest/gtest.h>

#include <stdexcept>

#include "control/modSubMain.h"
#include "core/LibraryState.h"
#include "core/modLocale.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace velloway {
namespace {

const char* const kPathKey = "SOFTWARE\\Kestrion Software\\Main\\RiskRegister";

class LaunchSequence : public ::testing::Test {
 protected:
  LaunchSequence() {
    fakes.host->installFolder = dir.path();
    dir.Write("Kestrion.ini", "[RegPath]\nWorkingKey=Main\n");
    // The user's own separator is a comma.
    fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International",
                                "sDecimal", ",");
  }

  void ConfigureWorkbook(const std::string& path) {
    fakes.registry->WriteString(RegistryHive::CurrentUser, kPathKey, "ExcelImportPath", path);
  }
  std::string UserSeparator() {
    return *fakes.registry->ReadString(RegistryHive::CurrentUser, "Control Panel\\International",
                                       "sDecimal");
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : fakes.ui->boxes) texts.push_back(box.text);
    return texts;
  }

  test::TempDir dir;
  test::FakePlatform fakes;
  LibraryState state{fakes.platform};
};

TEST_F(LaunchSequence, NoWorkingKeyGoesOnWithAnEmptyBase) {
  dir.Write("Kestrion.ini", "[RegPath]\nOther=1\n");
  ConfigureWorkbook(dir.Write("book.xlsx", "x"));  // under a key the run cannot find
  modSubMain::Main(state);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"No working key in 'Kestrion.ini' file.",
                                               "The file '' does not exist."}));
  EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(state.RegistryBase, "");
  EXPECT_EQ(UserSeparator(), ",");
}

TEST_F(LaunchSequence, WorkingKeyIsJoinedUnchanged) {
  dir.Write("Kestrion.ini", "[RegPath]\nWorkingKey= My Key\n");
  modSubMain::Main(state);
  EXPECT_EQ(state.RegistryBase, "SOFTWARE\\Kestrion Software\\My Key");
}

TEST_F(LaunchSequence, MissingWorkbookIsNamedAndNothingElseHappens) {
  const std::string missing = dir.File("missing.xlsx");
  ConfigureWorkbook(missing);
  modSubMain::Main(state);
  EXPECT_EQ(Texts(), std::vector<std::string>{"The file '" + missing + "' does not exist."});
  EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::None);
  EXPECT_TRUE(fakes.host->plan->calls.empty());
  EXPECT_EQ(UserSeparator(), ",");
}

TEST_F(LaunchSequence, AnEmptyConfiguredPathReusesThePreviousRunsWorkbook) {
  modSubMain::Main(state);
  EXPECT_EQ(Texts(), std::vector<std::string>{"The file '' does not exist."});

  const std::string book = dir.Write("book.xlsx", "x");
  ConfigureWorkbook(book);
  modSubMain::Main(state);
  ConfigureWorkbook("");
  modSubMain::Main(state);
  EXPECT_EQ(state.WorkbookPath, book);
  // Neither later run complained about the file.
  EXPECT_EQ(fakes.ui->boxes.size(), 1u);
}

TEST_F(LaunchSequence, NoPlanLoaded) {
  ConfigureWorkbook(dir.Write("book.xlsx", "x"));
  fakes.host->plan = nullptr;
  modSubMain::Main(state);
  EXPECT_EQ(Texts(), std::vector<std::string>{"No plan is loaded up in Kestrion."});
  EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::Information);
  EXPECT_EQ(UserSeparator(), ",");
}

TEST_F(LaunchSequence, NeverSavedPlanIsOfferedToSaveAndNothingIsImported) {
  ConfigureWorkbook(dir.Write("book.xlsx", "x"));
  fakes.host->plan = std::make_shared<test::RecordingPlan>("");
  modSubMain::Main(state);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Please save the plan before continuing."});
  ASSERT_EQ(fakes.host->plan->calls.size(), 1u);
  EXPECT_EQ(fakes.host->plan->calls[0].op, "SavePlan");
  EXPECT_EQ(state.SchemaPath, "");
}

TEST_F(LaunchSequence, SchemaPathAndSeparatorDuringTheRun) {
  ConfigureWorkbook(dir.Write("book.xlsx", "not a workbook"));
  modSubMain::Main(state);
  EXPECT_EQ(state.SchemaPath, dir.path() + "/RiskRegister/RiskRegister.xsd");
  EXPECT_EQ(state.SavedDecimalSeparator, ",");
  EXPECT_EQ(UserSeparator(), ",");
  EXPECT_TRUE(fakes.ui->boxes.empty());  // a workbook that cannot be opened ends silently
}

// A host whose installation folder fails once the run is under way.
class FailingHost : public test::RecordingHost {
 public:
  std::string InstallFolder() override {
    if (++calls > 1) throw std::runtime_error("host failure");
    return installFolder;
  }
  int calls = 0;
};

TEST_F(LaunchSequence, AnErrorAnywhereStillRestoresTheSeparator) {
  auto failing = std::make_shared<FailingHost>();
  failing->installFolder = dir.path();
  failing->plan = fakes.host->plan;
  state.platform.createHostApplication = [failing] { return failing; };
  ConfigureWorkbook(dir.Write("book.xlsx", "x"));
  modSubMain::Main(state);  // throws inside, at the schema path
  EXPECT_EQ(failing->calls, 2);
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(fakes.diagnostics, std::vector<std::string>{"the import stopped: host failure"});
  EXPECT_EQ(UserSeparator(), ",");
}

TEST_F(LaunchSequence, UnreadableSeparatorIsNeverLeftEmpty) {
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal",
                              "");
  modSubMain::Main(state);
  EXPECT_EQ(UserSeparator(), modLocale::DefaultDecimalSeparator());
  EXPECT_FALSE(UserSeparator().empty());
}

TEST_F(LaunchSequence, HostApplicationIsCreatedOnceAndKept) {
  modSubMain::Main(state);
  modSubMain::Main(state);
  EXPECT_EQ(fakes.hostCreations, 1);
}

}  // namespace
}  // namespace velloway
