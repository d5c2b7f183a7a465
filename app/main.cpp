// The velloway command: parses the arguments, runs one subcommand, returns its exit status.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/CellsCommand.h"
#include "app/Commands.h"

namespace velloway::app {
namespace {

const char* const kUsage =
    "usage: velloway import WORKBOOK --plan PLAN [--install-dir DIR] [--yes | --no] [--quiet] "
    "[--gui]\n"
    "       velloway dump --plan PLAN [--tag TAG] [--raw]\n"
    "       velloway cells WORKBOOK [--sheet NAME]\n"
    "       velloway register | unregister\n"
    "       velloway --help | --version\n";

int Usage(const std::string& problem) {
  std::fprintf(stderr, "velloway: %s\n%s", problem.c_str(), kUsage);
  return kExitUsage;
}

// Reads "--name VALUE"; false with a usage message when the value is missing.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, std::string& out) {
  if (i + 1 >= args.size() || args[i + 1].empty()) return false;
  out = args[++i];
  return true;
}

int ParseImport(const std::vector<std::string>& args) {
  ImportOptions options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--plan" || a == "--install-dir") {
      if (!TakeValue(args, i, a == "--plan" ? options.plan : options.installDir)) {
        return Usage(a + " needs a value");
      }
    } else if (a == "--yes" || a == "--no") {
      if (options.answer) return Usage("--yes and --no exclude each other");
      options.answer = a == "--yes";
    } else if (a == "--quiet") {
      options.quiet = true;
    } else if (a == "--gui") {
      options.gui = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage("unknown option '" + a + "'");
    } else if (options.workbook.empty()) {
      options.workbook = a;
    } else {
      return Usage("one workbook at a time ('" + a + "' is one too many)");
    }
  }
  if (options.workbook.empty()) return Usage("import needs a WORKBOOK");
  if (options.plan.empty()) return Usage("import needs --plan PLAN");
  return RunImport(options);
}

int ParseDump(const std::vector<std::string>& args) {
  DumpOptions options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string value;
    if (a == "--plan" || a == "--tag") {
      if (!TakeValue(args, i, value)) return Usage(a + " needs a value");
      (a == "--plan" ? options.plan : options.tag.emplace()) = value;
    } else if (a == "--raw") {
      options.raw = true;
    } else {
      return Usage("unknown argument '" + a + "'");
    }
  }
  if (options.plan.empty()) return Usage("dump needs --plan PLAN");
  if (options.raw && !options.tag) return Usage("--raw needs --tag TAG");
  return RunDump(options);
}

int ParseCells(const std::vector<std::string>& args) {
  std::string workbook;
  std::optional<std::string> sheet;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--sheet") {
      if (!TakeValue(args, i, sheet.emplace())) return Usage("--sheet needs a value");
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage("unknown option '" + a + "'");
    } else if (workbook.empty()) {
      workbook = a;
    } else {
      return Usage("one workbook at a time ('" + a + "' is one too many)");
    }
  }
  if (workbook.empty()) return Usage("cells needs a WORKBOOK");
  return RunCellsCommand(workbook, sheet, stdout, stderr);
}

}  // namespace
}  // namespace velloway::app

int main(int argc, char** argv) {
  using namespace velloway::app;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage("a command is needed");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h") {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  if (command == "--version") {
    std::printf("velloway %s\n", VELLOWAY_VERSION);
    return kExitOk;
  }
  if (command == "import") return ParseImport(args);
  if (command == "dump") return ParseDump(args);
  if (command == "cells") return ParseCells(args);
  if (command == "register" || command == "unregister") {
    if (args.size() > 1) return Usage("'" + command + "' takes no arguments");
    return RunRegistration(command == "register");
  }
  return Usage("unknown command '" + command + "'");
}
