// The velloway command run as users run it, from the end-to-end tests.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/TempDir.h"

namespace velloway::test {

// The exit status of a shell command; -1 when it did not exit.
inline int Shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct CommandResult {
  int exitCode = -1;
  std::string out, err;
};

// The shell line that runs `velloway ARGS` in the folder, with its own config folder "cfg" and
// the environment assignments given (e.g. "LC_ALL=C"); stdin is not a terminal.
inline std::string VellowayLine(const TempDir& dir, const std::string& args,
                                const std::string& environment = "") {
  return "cd '" + dir.path() + "' && XDG_CONFIG_HOME='" + dir.File("cfg") + "' " + environment +
         " exec '" VELLOWAY_CLI "' " + args + " </dev/null";
}

// Runs that line and gives what the command said.
inline CommandResult RunVelloway(const TempDir& dir, const std::string& args,
                                 const std::string& environment = "") {
  const int exitCode = Shell(VellowayLine(dir, args, environment) + " >out.txt 2>err.txt");
  return {exitCode, ReadFile(dir.File("out.txt")), ReadFile(dir.File("err.txt"))};
}

}  // namespace velloway::test
