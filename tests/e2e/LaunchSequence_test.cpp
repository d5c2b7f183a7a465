// The launch sequence end to end through the scripted UI and the recording host.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "control/modSubMain.h"
#include "core/LibraryState.h"
#include "core/modLocale.h"
#include "support/Fakes.h"
#include "support/TempDir.h"
#include "support/XlsxBuilder.h"
#include "velloway/velloway.h"

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

// Creates clsVellowayDll through the C entry points, as a host does, and runs one Launch.
void LaunchThroughEntryPoints() {
  void* factory = nullptr;
  ASSERT_EQ(DllGetClassObject(&CLSID_clsVellowayDll, &IID_IClassFactory, &factory), VW_S_OK);
  auto* classFactory = static_cast<VwClassFactory*>(factory);
  void* object = nullptr;
  ASSERT_EQ(classFactory->vtbl->CreateInstance(classFactory, nullptr, &IID_clsVellowayDll, &object),
            VW_S_OK);
  classFactory->vtbl->Release(classFactory);
  auto* dll = static_cast<VwVellowayDll*>(object);
  dll->vtbl->Launch(dll);
  dll->vtbl->Release(dll);
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELLOWAY_TEST_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELLOWAY_TEST_ASAN 1
#endif

// A host that calls Launch again after failed imports gets their memory back: ten of them in
// one loaded library leave the heap no larger than the first did.
TEST_F(LaunchSequence, FailedImportsGiveTheirMemoryBack) {
#ifdef VELLOWAY_TEST_ASAN
  GTEST_SKIP() << "the sanitizer's allocator holds freed memory back; LeakSanitizer checks there";
#endif
  test::XlsxBuilder book;
  book.Sheet("Options").Text("B4", "2.2").Text("B36", "blue").Sheet("Qualitative Risks");
  book.Text("A2", "Risk ID");
  for (int row = 3; row < 300; ++row)
    book.Text("A" + std::to_string(row), "R" + std::to_string(row));
  ConfigureWorkbook(book.Save(dir.File("broken.xlsx")));
  // Measured in a fresh run of this test alone: a library that earlier tests loaded keeps their
  // host application object, as a loaded library does.
  if (std::getenv("VELLOWAY_FRESH_LIBRARY") == nullptr) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(std::system(("VELLOWAY_FRESH_LIBRARY=1 '" + self +
                           "' --gtest_filter=LaunchSequence.FailedImportsGiveTheirMemoryBack "
                           ">/dev/null")
                              .c_str()),
              0);
    return;
  }
  Platform platform = fakes.platform;
  platform.progressRenderer = nullptr;
  InstallPlatform(platform);
  LaunchThroughEntryPoints();
  const std::size_t first = mallinfo2().uordblks;
  for (int run = 2; run <= 10; ++run) LaunchThroughEntryPoints();
  EXPECT_LE(mallinfo2().uordblks, first + 64 * 1024);
  EXPECT_EQ(fakes.ui->boxes.size(), 10u);
  EXPECT_EQ(UserSeparator(), ",");
}

}  // namespace
}  // namespace velloway
