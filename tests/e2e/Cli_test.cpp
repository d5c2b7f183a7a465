// The velloway command as users run it: exit codes, messages and the plan dump.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "e2e/Command.h"
#include "host/FileRegistry.h"
#include "host/SqlitePlan.h"

extern char** environ;

namespace velloway {
namespace {

using Result = test::CommandResult;

class Cli : public ::testing::Test {
 protected:
  Result Run(const std::string& args) { return test::RunVelloway(dir, args); }
  // Starts the command in the background; its process id.
  pid_t Start(const std::string& args) {
    const std::string command = test::VellowayLine(dir, args) + " >/dev/null 2>&1";
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    pid_t pid = 0;
    posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ);
    return pid;
  }
  int Reap(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Setting(const char* key, const char* name) {
    return registry.ReadString(RegistryHive::CurrentUser, key, name).value_or("");
  }
  std::string Separator() { return Setting("Control Panel\\International", "sDecimal"); }
  // The import has forced "." and writes into the plan (a new plan's creation has a journal of
  // its own, before anything is forced).
  bool Writing(const std::string& plan) {
    return Separator() == "." && std::filesystem::exists(dir.File(plan + "-journal"));
  }
  test::TempDir dir;
  host::FileRegistry registry{dir.File("cfg/velloway/registry.reg")};
};

bool WaitUntil(const std::function<bool()>& reached) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (!reached()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// A register large enough that an import runs long enough to be stopped on the way.
const std::string& LargeWorkbook() {
  static const test::TempDir folder;
  static const std::string path = folder.File("large.xlsx");
  static const int made =
      test::Shell("'" VELLOWAY_MAKE_REGISTER_WORKBOOK "' 2.2 2000 '" + path + "'");
  EXPECT_EQ(made, 0);
  return path;
}

TEST_F(Cli, MissingWorkbookIsNamedWithItsFullPath) {
  const Result r = Run("import 'Risque été/reg ister.xlsx' --plan p.db");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "The file '" + dir.File("Risque été/reg ister.xlsx") + "' does not exist.\n");
  // The plan was created, and holds nothing.
  const Result dump = Run("dump --plan p.db");
  EXPECT_EQ(dump.exitCode, 0);
  EXPECT_EQ(dump.out, "{}\n");
}

// A usage error is one line, then the usage of the command named first (of import, the whole
// usage's first, when none is known).
TEST_F(Cli, UsageErrorsExitWithTwo) {
  for (const std::string args :
       {"", "import", "import a.xlsx", "import a.xlsx --plan", "import a.xlsx --plan ''",
        "import a.xlsx --plan p.db --bogus", "import a.xlsx --plan p.db --yes --no", "dump",
        "dump --plan p.db --raw", "template --version 3.0 t.xlsx", "cells", "frobnicate",
        "help frobnicate"}) {
    const std::string command = args.substr(0, args.find(' '));
    const std::string usage =
        "usage: velloway " + (command.empty() || command == "frobnicate" ? "import" : command);
    const Result r = Run(args);
    EXPECT_EQ(r.exitCode, 2) << args;
    ASSERT_EQ(r.err.rfind("velloway: ", 0), 0u) << args;
    EXPECT_EQ(r.err.find(usage), r.err.find('\n') + 1) << args << "\n" << r.err;
  }
  EXPECT_EQ(Run("--version").out.rfind("velloway ", 0), 0u);
}

// The whole help shows the way from a blank template to an import; each command's help, asked
// either way, shows its usage and options.
TEST_F(Cli, HelpForTheCommandAndForEachSubcommand) {
  const Result all = Run("--help");
  EXPECT_EQ(all.exitCode, 0);
  EXPECT_NE(all.out.find("velloway template --version 2.2"), std::string::npos) << all.out;
  EXPECT_EQ(Run("help").out, all.out);
  const Result import = Run("import --help");
  EXPECT_NE(import.out.find("usage: velloway import WORKBOOK --plan PLAN"), std::string::npos);
  EXPECT_EQ(Run("help import").out, import.out);
}

// A plan or settings file that cannot be used ends the import with a line that says why, and
// is left as it was.
TEST_F(Cli, UnusablePlanOrSettingsFilesAreReportedAndLeftAlone) {
  for (const auto& [file, content, reason] :
       {std::tuple<std::string, std::string, std::string>{"notes.db", "meeting notes",
                                                          "notes.db' is not a plan file"},
        {"cfg/velloway/registry.reg", "Velloway Registry 1\n[HKEY_CURRENT_USER\\A]\ngarbage\n",
         "registry file '" + dir.File("cfg/velloway/registry.reg") + "' is damaged at line 3"}}) {
    SCOPED_TRACE(file);
    dir.Write(file, content);
    const Result r = Run("import missing.xlsx --plan notes.db");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadFile(dir.File(file)), content);
    std::filesystem::remove(dir.File(file));
  }
  EXPECT_EQ(Run("dump --plan nothing-here.db").exitCode, 1);
  // A plan held by another import is given up after a bounded wait.
  auto other = host::SqlitePlan::Open(dir.File("p.db"), host::SqlitePlan::Mode::OpenOrCreate);
  other->BeginImport();
  const Result r = Run("import missing.xlsx --plan p.db");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("is in use by another import"), std::string::npos) << r.err;
  other->RollbackImport();
}

TEST_F(Cli, DumpShowsTagsSectionsAndValuesInFirstWriteOrder) {
  {
    auto plan = host::SqlitePlan::Open(dir.File("p.db"), host::SqlitePlan::Mode::OpenOrCreate);
    plan->BeginImport();
    plan->WriteAppValue("RR2", "Details", "Currency", "£");
    plan->WriteAppValue("RR2", "RiskOptions", "1", "a\tb");
    plan->WriteAppValue("RR2", "Details", "Name", "Bridge \"North\"");
    plan->WriteAppValue("RR2", "Details", "Currency", "$");  // keeps its place
    plan->WriteAppData("RR2-XML", "<?xml version=\"1.0\"?>\n<r/>");
    plan->CommitImport();
  }
  const Result r = Run("dump --plan p.db");
  EXPECT_EQ(r.exitCode, 0);
  // Kept beside the tests as the examples' dumps are kept beside them.
  EXPECT_EQ(r.out, test::ReadFile(VELLOWAY_TEST_DATA "/dumps/first-write-order.json"));
  const Result raw = Run("dump --plan p.db --tag RR2-XML --raw");
  EXPECT_EQ(raw.out, "<?xml version=\"1.0\"?>\n<r/>");
  EXPECT_EQ(Run("dump --plan p.db --tag RR2 --raw").exitCode, 1);
}

// The listing's form and its sheet filter are the cell listing's own tests'.
TEST_F(Cli, CellsListsWhatTheImportSees) {
  const Result r = Run("cells '" VELLOWAY_EXAMPLES "/register-2.2.xlsx' --sheet Options");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("Options!B4\t2.2\n"), std::string::npos);
  const Result missing = Run("cells nothing.xlsx");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("nothing.xlsx"), std::string::npos);
}

TEST_F(Cli, RegisterAndUnregister) {
  EXPECT_EQ(Run("register").exitCode, 0);
  const std::string store = test::ReadFile(dir.File("cfg/velloway/registry.reg"));
  EXPECT_NE(store.find("VellowayDLL.clsVellowayDll\\CLSID]"), std::string::npos) << store;
  EXPECT_NE(store.find("libvelloway.so"), std::string::npos);
  EXPECT_EQ(Run("unregister").exitCode, 0);
  EXPECT_EQ(test::ReadFile(dir.File("cfg/velloway/registry.reg")).find("Classes"),
            std::string::npos);
}

TEST_F(Cli, AKilledImportsSeparatorComesBackAtTheNextStart) {
  registry.WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal", ",");
  const std::string example = "'" VELLOWAY_EXAMPLES "/register-2.2.xlsx' --plan p.db --quiet";
  // Killed as soon as it has recorded itself, once "." is visible, and while it writes the plan;
  // each time something else starts next: an import that fails early, the repair command, a
  // whole import (which must take "," for the user's value, not the "." it finds).
  const std::pair<std::function<bool()>, std::string> moments[] = {
      {[&] { return !Setting("Software\\Velloway\\Forced Settings", "Forced By").empty(); },
       "import missing.xlsx --plan p.db"},
      {[&] { return Separator() == "."; }, "repair-settings"},
      {[&] { return Writing("killed2.db"); }, "import " + example}};
  int moment = 0;
  for (const auto& [reached, next] : moments) {
    // Each its own plan: a killed import leaves its journal behind.
    const std::string plan = "killed" + std::to_string(moment++) + ".db";
    const pid_t import = Start("import '" + LargeWorkbook() + "' --plan " + plan + " --quiet");
    ASSERT_TRUE(WaitUntil(reached)) << next;
    ::kill(import, SIGKILL);
    Reap(import);
    const Result r = Run(next);
    EXPECT_EQ(Separator(), ",") << next << r.err;
  }
  EXPECT_EQ(Run("repair-settings").out,
            "nothing to repair: no stopped import left a setting forced\n");
}

TEST_F(Cli, TwoImportsNeitherLoseTheSeparatorNorRestoreItUnderEachOther) {
  registry.WriteString(RegistryHive::CurrentUser, "Control Panel\\International", "sDecimal", ",");
  const std::string large = "import '" + LargeWorkbook() + "' --plan ";
  // The first import is held in its write phase while a second one runs whole.
  pid_t first = Start(large + "a.db --quiet");
  ASSERT_TRUE(WaitUntil([&] { return Writing("a.db"); }));
  ::kill(first, SIGSTOP);
  EXPECT_EQ(Run("import '" VELLOWAY_EXAMPLES "/register-2.2.xlsx' --plan b.db --quiet").exitCode,
            0);
  EXPECT_EQ(Separator(), ".");
  EXPECT_EQ(Run("repair-settings").out,
            "nothing to repair: no stopped import left a setting forced\n");
  EXPECT_EQ(Separator(), ".");
  ::kill(first, SIGKILL);
  Reap(first);
  EXPECT_EQ(Run("repair-settings").out,
            "the decimal separator ',' was given back: the import that forced it had stopped\n");
  EXPECT_EQ(Separator(), ",");

  // The other order: the second import dies, the first goes on and gives the value back.
  first = Start(large + "c.db --quiet");
  ASSERT_TRUE(WaitUntil([&] { return Writing("c.db"); }));
  ::kill(first, SIGSTOP);
  const pid_t second = Start(large + "d.db --quiet");
  ASSERT_TRUE(WaitUntil([&] {
    return Setting("Software\\Velloway\\Forced Settings", "Forced By")
               .find(" " + std::to_string(second) + "/") != std::string::npos;
  }));
  ::kill(second, SIGKILL);
  Reap(second);
  EXPECT_EQ(Separator(), ".");
  ::kill(first, SIGCONT);
  EXPECT_EQ(Reap(first), 0);
  EXPECT_EQ(Separator(), ",");
}

TEST_F(Cli, APlanThatCannotBeWrittenIsRefusedBeforeAnyWork) {
  const std::string import = "import '" VELLOWAY_EXAMPLES "/register-2.2.xlsx' --plan ";
  ASSERT_EQ(Run(import + "p.db").exitCode, 0);
  const std::string before = Run("dump --plan p.db").out;
  // Write bits are what counts, so a superuser is refused as well.
  ::chmod(dir.File("p.db").c_str(), 0444);
  Result r = Run(import + "p.db");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "velloway: the plan p.db could not be written: the file is read-only; "
            "nothing was imported\n");
  std::filesystem::create_directory(dir.File("locked"));
  std::filesystem::copy_file(dir.File("p.db"), dir.File("locked/p.db"));
  ::chmod(dir.File("locked/p.db").c_str(), 0644);
  ::chmod(dir.File("locked").c_str(), 0555);
  r = Run(import + "locked/p.db");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "velloway: the plan locked/p.db could not be written: its folder locked/ is "
            "read-only; nothing was imported\n");
  ::chmod(dir.File("locked").c_str(), 0755);
  ::chmod(dir.File("p.db").c_str(), 0644);
  EXPECT_EQ(Run("dump --plan p.db").out, before);
}

// An import starts itself again once, on huge pages, with its arguments and the user's other
// tunables kept; the user's own choice, a preloaded tool or a usage error keeps it as it is.
TEST_F(Cli, AnImportRestartsOnceOnHugePagesUnlessTheUserOrAToolSaysOtherwise) {
#ifdef VELLOWAY_SANITIZED
  GTEST_SKIP() << "the sanitizers bring their own allocator";
#endif
  if (test::Shell("command -v strace >/dev/null") != 0) GTEST_SKIP() << "strace is missing";
  if (test::ReadFile("/sys/kernel/mm/transparent_hugepage/enabled").find("[never]") !=
      std::string::npos) {
    GTEST_SKIP() << "the system has no transparent huge pages";
  }
  // The programs the command's process ran, each with its arguments and environment.
  auto programs = [&](const std::string& environment, const std::string& args, int exitCode) {
    EXPECT_EQ(
        test::Shell("cd '" + dir.path() + "' && XDG_CONFIG_HOME=cfg " + environment +
                    " strace -f -qq -v -s 4096 -e trace=execve -o trace.txt '" VELLOWAY_CLI "' " +
                    args + " </dev/null >/dev/null 2>&1"),
        exitCode)
        << environment << " " << args;
    std::vector<std::string> runs;
    std::istringstream trace(test::ReadFile(dir.File("trace.txt")));
    for (std::string line; std::getline(trace, line);) {
      if (line.ends_with("= 0")) runs.push_back(line.substr(line.find("execve(")));
    }
    return runs;
  };
  const std::string import =
      "import '" VELLOWAY_EXAMPLES "/register-2.2.xlsx' --plan p.db --yes --quiet";
  const auto runs = programs("GLIBC_TUNABLES=glibc.malloc.tcache_count=5", import, 0);
  ASSERT_EQ(runs.size(), 2u);
  const std::size_t from = runs[0].find('[');
  const std::string arguments = runs[0].substr(from, runs[0].find("], [") + 1 - from);
  EXPECT_TRUE(runs[1].starts_with("execve(\"/proc/self/exe\", " + arguments)) << runs[1];
  EXPECT_NE(runs[1].find("\"GLIBC_TUNABLES=glibc.malloc.tcache_count=5:glibc.malloc.hugetlb=1\""),
            std::string::npos);
  EXPECT_EQ(programs("GLIBC_TUNABLES=glibc.malloc.hugetlb=0", import, 0).size(), 1u);
  EXPECT_EQ(programs("LD_PRELOAD=libc.so.6", import, 0).size(), 1u);
  EXPECT_EQ(programs("", "import --plan p.db", 2).size(), 1u);
}

}  // namespace
}  // namespace velloway
