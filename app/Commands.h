// The velloway command's subcommands. Each returns the process exit status.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace velloway::app {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct ImportOptions {
  std::string workbook;
  std::string plan;
  std::string installDir;  // empty: the folder shipped with the program
  std::optional<bool> answer;
  bool quiet = false;
  bool gui = false;  // windows instead of the terminal
};

struct DumpOptions {
  std::string plan;
  std::optional<std::string> tag;
  bool raw = false;
};

struct CheckOptions {
  std::string workbook;
  bool json = false;
};

struct TemplateOptions {
  std::string version;
  std::string file;
  bool force = false;
};

int RunImport(const ImportOptions& options);
int RunTemplate(const TemplateOptions& options);
int RunCheck(const CheckOptions& options);
int RunDump(const DumpOptions& options);
int RunRegistration(bool registerClass);
int RunRepairSettings();

// The installation folder shipped with the program, found relative to the command itself (in
// the build tree, the copy made beside it), never in the source tree.
std::string DefaultInstallDir();

}  // namespace velloway::app
