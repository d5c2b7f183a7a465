#include "host/SystemServices.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

namespace velloway::host {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : value;
}

// The viewer command, split on blanks as a shell would split a plain command.
std::vector<std::string> ViewerCommand() {
  std::string command = Env("VISUAL");
  if (command.empty()) command = Env("EDITOR");
  if (command.empty() && (!Env("DISPLAY").empty() || !Env("WAYLAND_DISPLAY").empty())) {
    command = "xdg-open";
  }
  std::vector<std::string> words;
  std::size_t start = 0;
  while ((start = command.find_first_not_of(' ', start)) != std::string::npos) {
    const std::size_t end = command.find(' ', start);
    words.push_back(command.substr(start, end - start));
    start = end;
  }
  return words;
}

}  // namespace

CivilTime SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

void LogViewerLauncher::Open(const std::string& path) {
  std::vector<std::string> words = ViewerCommand();
  if (words.empty()) {
    std::fprintf(out_, "The error log is in %s\n", path.c_str());
    return;
  }
  words.push_back(path);
  std::vector<char*> argv;
  argv.reserve(words.size() + 1);
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    throw std::runtime_error("cannot start the viewer '" + words[0] + "'");
  }
  // The viewer runs on its own; only an immediate failure to start is reported.
  int status = 0;
  ::waitpid(child, &status, WNOHANG);
}

}  // namespace velloway::host
