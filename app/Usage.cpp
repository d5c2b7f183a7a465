#include "app/Usage.h"

#include <cstdio>

#include "app/Commands.h"

namespace velloway::app {
namespace {

struct CommandText {
  const char* name;
  const char* synopsis;
  const char* summary;
};

// In the order the help lists them.
constexpr CommandText kCommands[] = {
    {"import", "import WORKBOOK --plan PLAN [--install-dir DIR] [--yes | --no] [--quiet] [--gui]",
     "Import a workbook's risk register into a plan"},
    {"check", "check WORKBOOK [--format text|json]",
     "Report what an import of a workbook would do, and every problem by cell"},
    {"template", "template --version 2.2|2.1 FILE.xlsx [--force]",
     "Write a blank workbook of a template, to fill and import"},
    {"dump", "dump --plan PLAN [--tag TAG] [--raw]", "Print what a plan holds, as JSON"},
    {"cells", "cells WORKBOOK [--sheet NAME]",
     "List every non-empty cell of a workbook as the import reads it"},
    {"register", "register", "Register the import component for hosts that load it"},
    {"unregister", "unregister", "Remove the import component's registration"},
    {"repair-settings", "repair-settings",
     "Give back the user's decimal separator that a killed import left forced"},
    {"help", "help [COMMAND]", "Show the help of velloway or of one command"},
};

const CommandText* Find(const std::string& command) {
  for (const CommandText& c : kCommands) {
    if (command == c.name) return &c;
  }
  return nullptr;
}

class UsageFormatter : public CLI::Formatter {
 public:
  std::string make_usage(const CLI::App* app, std::string /*name*/) const override {
    return UsageText(app->get_parent() != nullptr ? app->get_name() : "");
  }
};

}  // namespace

std::string Summary(const std::string& command) {
  const CommandText* found = Find(command);
  return found != nullptr ? found->summary : "";
}

std::string UsageText(const std::string& command) {
  if (const CommandText* found = Find(command)) {
    return std::string("usage: velloway ") + found->synopsis + "\n";
  }
  std::string text;
  for (const CommandText& c : kCommands) {
    text +=
        (text.empty() ? "usage: velloway " : "       velloway ") + std::string(c.synopsis) + "\n";
  }
  return text + "       velloway --help | --version\n";
}

int UsageError(const std::string& command, const std::string& problem) {
  std::fprintf(stderr, "velloway: %s\n%s", problem.c_str(), UsageText(command).c_str());
  return kExitUsage;
}

std::shared_ptr<CLI::Formatter> MakeUsageFormatter() { return std::make_shared<UsageFormatter>(); }

}  // namespace velloway::app
