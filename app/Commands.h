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

int RunImport(const ImportOptions& options);
int RunDump(const DumpOptions& options);
int RunRegistration(bool registerClass);

// The installation folder shipped with the program: next to the installed binary, else the
// source tree's.
std::string DefaultInstallDir();

}  // namespace velloway::app
