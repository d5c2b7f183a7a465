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

// A host's installation folder with Kestrion.ini, the fakes around the library, and the user's
// own separator, a comma.
struct LaunchWorld {
  LaunchWorld() {
    fakes.InstallIn(dir.path());
    fakes.SetInternational("sDecimal", ",");
  }
  std::string UserSeparator() const { return fakes.International("sDecimal"); }

  test::TempDir dir;
  test::FakePlatform fakes;
  LibraryState state{fakes.platform};
};

class LaunchSequence : public ::testing::Test, public LaunchWorld {};

// Runs that stop before the import: what the user is told, what the plan was asked, and the
// user's separator as it was. (A missing workbook is the command's tests' to check.)
TEST(LaunchSequenceStops, TellTheUserAndLeaveTheSeparator) {
  const struct {
    const char* what;
    const char* workingKey;  // the [RegPath] line of Kestrion.ini
    const char* plan;        // the loaded plan's file name; no plan when null
    const char* boxes;       // one a line
    MsgIcon icon;            // of the first box
    const char* planCalls;   // the plan's operations, one a line
    const char* registryBase;
  } cases[] = {
      {"no working key: an empty base", "Other=1", "/plans/p.db",
       "No working key in 'Kestrion.ini' file.\nThe file '' does not exist.\n",
       MsgIcon::Exclamation, "", ""},
      {"the working key joined unchanged", "WorkingKey= My Key", "/plans/p.db",
       "The file '' does not exist.\n", MsgIcon::None, "", "SOFTWARE\\Kestrion Software\\My Key"},
      {"no plan loaded", "WorkingKey=Main", nullptr, "No plan is loaded up in Kestrion.\n",
       MsgIcon::Information, "", "SOFTWARE\\Kestrion Software\\Main"},
      {"a plan never saved is offered to save", "WorkingKey=Main", "",
       "Please save the plan before continuing.\n", MsgIcon::Information, "SavePlan\n",
       "SOFTWARE\\Kestrion Software\\Main"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LaunchWorld run;
    run.dir.Write("Kestrion.ini", "[RegPath]\n" + std::string(c.workingKey) + "\n");
    run.fakes.ConfigureWorkbook(run.dir.Write("book.xlsx", "x"));
    run.fakes.host->plan = c.plan ? std::make_shared<test::RecordingPlan>(c.plan) : nullptr;
    modSubMain::Main(run.state);
    std::string boxes, calls;
    for (const std::string& text : run.fakes.ui->Texts()) boxes += text + "\n";
    for (const auto& call : c.plan ? run.fakes.host->plan->calls : std::vector<test::PlanCall>{})
      calls += call.op + "\n";
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(run.fakes.ui->boxes.at(0).icon, c.icon);
    EXPECT_EQ(calls, c.planCalls);
    EXPECT_EQ(run.state.RegistryBase, c.registryBase);
    EXPECT_EQ(run.state.SchemaPath, "");
    EXPECT_EQ(run.UserSeparator(), ",");
  }
}

// A host keeps its application object; a run without a configured path takes the previous
// run's workbook.
TEST_F(LaunchSequence, AnEmptyConfiguredPathReusesThePreviousRunsWorkbook) {
  const std::string book = dir.Write("book.xlsx", "x");
  fakes.ConfigureWorkbook(book);
  modSubMain::Main(state);
  fakes.ConfigureWorkbook("");
  modSubMain::Main(state);
  EXPECT_EQ(state.WorkbookPath, book);
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(fakes.hostCreations, 1);
}

// A workbook that cannot be opened ends the run silently, with a diagnostic; a separator that
// reads as empty is given back as the default, never empty.
TEST_F(LaunchSequence, AWorkbookThatCannotBeOpenedEndsSilently) {
  const std::string book = dir.Write("book.xlsx", "not a workbook");
  fakes.ConfigureWorkbook(book);
  modSubMain::Main(state);
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(fakes.diagnostics, std::vector<std::string>{"cannot open workbook '" + book +
                                                        "': not a workbook (no zip or compound "
                                                        "file signature)"});
  EXPECT_EQ(UserSeparator(), ",");
  fakes.SetInternational("sDecimal", "");
  modSubMain::Main(state);
  EXPECT_EQ(UserSeparator(), modLocale::DefaultDecimalSeparator());
  EXPECT_FALSE(UserSeparator().empty());
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
  fakes.ConfigureWorkbook(dir.Write("book.xlsx", "x"));
  modSubMain::Main(state);  // throws inside, at the schema path
  EXPECT_EQ(failing->calls, 2);
  EXPECT_TRUE(fakes.ui->boxes.empty());
  EXPECT_EQ(fakes.diagnostics, std::vector<std::string>{"the import stopped: host failure"});
  EXPECT_EQ(UserSeparator(), ",");
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

// A host that calls Launch again after failed imports gets their memory back: ten of them in
// one loaded library leave the heap no larger than the first did.
TEST_F(LaunchSequence, FailedImportsGiveTheirMemoryBack) {
#ifdef VELLOWAY_SANITIZED
  GTEST_SKIP() << "the sanitizer's allocator holds freed memory back; LeakSanitizer checks there";
#endif
  test::XlsxBuilder book;
  book.Sheet("Options").Text("B4", "2.2").Text("B36", "blue").Sheet("Qualitative Risks");
  book.Text("A2", "Risk ID");
  for (int row = 3; row < 300; ++row)
    book.Text("A" + std::to_string(row), "R" + std::to_string(row));
  fakes.ConfigureWorkbook(book.Save(dir.File("broken.xlsx")));
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
