// The velloway command: parses the arguments, runs one subcommand, returns its exit status.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>

#include "app/CellsCommand.h"
#include "app/Commands.h"
#include "app/MallocSettings.h"
#include "app/TemplateWorkbook.h"
#include "app/Usage.h"

namespace velloway::app {
namespace {

const char* const kDescription =
    "Imports a project risk register from a spreadsheet workbook into a project plan.\n";

const char* const kFooter =
    "Start here:\n"
    "  velloway template --version 2.2 register.xlsx   a blank workbook to fill\n"
    "  velloway check register.xlsx                    where it is wrong, if anywhere\n"
    "  velloway import register.xlsx --plan plan.db    import it, and see what was imported\n"
    "  velloway dump --plan plan.db                    everything the plan holds, as JSON\n"
    "\n"
    "Exit status: 0 done, 1 failed (nothing or not all written), 2 usage error.\n"
    "'velloway help COMMAND' or 'velloway COMMAND --help' shows one command.";

// Option values are names of files, tags and sheets: an empty one is a mistake.
const CLI::Validator kNotEmpty(
    [](const std::string& value) { return value.empty() ? "must not be empty" : ""; }, "",
    "not empty");

// Every option's value and every positional as the user typed them.
struct Invocation {
  ImportOptions import;
  DumpOptions dump;
  TemplateOptions blank;
  CheckOptions check;
  std::string checkFormat = "text";
  std::string cellsWorkbook;
  std::optional<std::string> cellsSheet;
  std::string helpTopic;
  bool yes = false;
  bool no = false;
};

void AddImport(CLI::App& app, Invocation& in) {
  CLI::App* cmd = app.add_subcommand("import", Summary("import"));
  cmd->add_option("WORKBOOK", in.import.workbook, "The workbook (.xlsx, .xlsm, .xlsb, .xls, .ods)")
      ->required()
      ->check(kNotEmpty);
  cmd->add_option("--plan", in.import.plan, "The plan file; created when missing")
      ->required()
      ->check(kNotEmpty);
  cmd->add_option("--install-dir", in.import.installDir,
                  "Another installation folder (Kestrion.ini, RiskRegister/RiskRegister.xsd)")
      ->check(kNotEmpty);
  CLI::Option* yes = cmd->add_flag("--yes", in.yes, "Answer Yes to every question");
  cmd->add_flag("--no", in.no, "Answer No to every question")->excludes(yes);
  cmd->add_flag("--quiet", in.import.quiet, "No progress and no summary");
  cmd->add_flag("--gui", in.import.gui, "Show the progress and the questions in windows");
}

void AddCheck(CLI::App& app, Invocation& in) {
  CLI::App* cmd = app.add_subcommand("check", Summary("check"));
  cmd->add_option("WORKBOOK", in.check.workbook, "The workbook to check")
      ->required()
      ->check(kNotEmpty);
  cmd->add_option("--format", in.checkFormat, "text (the default) or json")
      ->check(CLI::IsMember({"text", "json"}));
}

void AddTemplate(CLI::App& app, Invocation& in) {
  CLI::App* cmd = app.add_subcommand("template", Summary("template"));
  cmd->add_option("--version", in.blank.version, "The template version")
      ->required()
      ->check(CLI::IsMember(kTemplateVersions));
  cmd->add_option("FILE", in.blank.file, "The workbook to write (.xlsx)")
      ->required()
      ->check(kNotEmpty);
  cmd->add_flag("--force", in.blank.force, "Write over an existing file");
}

void AddDump(CLI::App& app, Invocation& in) {
  CLI::App* cmd = app.add_subcommand("dump", Summary("dump"));
  cmd->add_option("--plan", in.dump.plan, "The plan file")->required()->check(kNotEmpty);
  CLI::Option* tag = cmd->add_option("--tag", in.dump.tag, "Only this tag")->check(kNotEmpty);
  cmd->add_flag("--raw", in.dump.raw, "The tag's text alone, as stored")->needs(tag);
}

void AddCells(CLI::App& app, Invocation& in) {
  CLI::App* cmd = app.add_subcommand("cells", Summary("cells"));
  cmd->add_option("WORKBOOK", in.cellsWorkbook, "The workbook")->required()->check(kNotEmpty);
  cmd->add_option("--sheet", in.cellsSheet, "Only the sheet of this name")->check(kNotEmpty);
}

void AddCommands(CLI::App& app, Invocation& in) {
  AddImport(app, in);
  AddCheck(app, in);
  AddTemplate(app, in);
  AddDump(app, in);
  AddCells(app, in);
  app.add_subcommand("register", Summary("register"));
  app.add_subcommand("unregister", Summary("unregister"));
  app.add_subcommand("repair-settings", Summary("repair-settings"));
  app.add_subcommand("help", Summary("help"))
      ->add_option("COMMAND", in.helpTopic, "The command to explain");
}

// "velloway help [COMMAND]": the help of the command, or of one subcommand.
int RunHelp(CLI::App& app, const std::string& topic) {
  if (topic.empty()) {
    // Not app.help(): that would show the help of the chosen subcommand, "help" itself.
    std::fputs(app.get_formatter()->make_help(&app, "velloway", CLI::AppFormatMode::Normal).c_str(),
               stdout);
    return kExitOk;
  }
  CLI::App* command = nullptr;
  try {
    command = app.get_subcommand(topic);
  } catch (const CLI::OptionNotFound&) {
    return UsageError("help", "unknown command '" + topic + "'");
  }
  std::fputs(command->help("velloway").c_str(), stdout);
  return kExitOk;
}

int Run(CLI::App& app, Invocation& in, char** argv) {
  if (in.yes || in.no) in.import.answer = in.yes;
  const CLI::App* chosen = app.get_subcommands().front();
  const std::string& name = chosen->get_name();
  if (name == "import") {
    RestartOnHugePages(argv);
    MergeFreedBlocksAtOnce();
    return RunImport(in.import);
  }
  if (name == "check") {
    in.check.json = in.checkFormat == "json";
    return RunCheck(in.check);
  }
  if (name == "template") return RunTemplate(in.blank);
  if (name == "dump") return RunDump(in.dump);
  if (name == "cells") return RunCellsCommand(in.cellsWorkbook, in.cellsSheet, stdout, stderr);
  if (name == "register" || name == "unregister") return RunRegistration(name == "register");
  if (name == "repair-settings") return RunRepairSettings();
  return RunHelp(app, in.helpTopic);
}

}  // namespace
}  // namespace velloway::app

static int Main(int argc, char** argv) {
  using namespace velloway::app;
  CLI::App app(kDescription, "velloway");
  app.formatter(MakeUsageFormatter());
  app.set_version_flag("--version", std::string("velloway ") + VELLOWAY_VERSION);
  app.require_subcommand(1);
  Invocation in;
  AddCommands(app, in);
  app.footer(kFooter);  // after the commands: theirs would take it over
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
    return UsageError(argc > 1 ? argv[1] : "", e.what());
  }
  return Run(app, in, argv);
}

// What a command does not catch itself (no memory left, say) still ends in one line and a
// failure status, not in an abort.
int main(int argc, char** argv) {
  try {
    return Main(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velloway: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "velloway: an unexpected failure\n");
  }
  return 1;
}
