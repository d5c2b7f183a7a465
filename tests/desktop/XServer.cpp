#include "XServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace velloway::test {
namespace {

bool OnPath(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// The display number Xvfb writes to the descriptor it was given, once it accepts clients.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  char c = 0;
  while (::read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

int Field(const std::string& info, const std::string& name) {
  const std::size_t at = info.find(name);
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + name.size());
}

}  // namespace

XServer::XServer() {
  if (!OnPath("Xvfb")) {
    problem_ = "Xvfb is not installed (Debian package xvfb)";
    return;
  }
  int fds[2];
  if (::pipe(fds) != 0) {
    problem_ = "no pipe for Xvfb";
    return;
  }
  const std::string fd = std::to_string(fds[1]);
  const std::string size =
      std::to_string(2 * kMonitorWidth) + "x" + std::to_string(kMonitorHeight) + "x24";
  std::vector<std::string> words = {"Xvfb", "-displayfd", fd,    "-screen", "0",
                                    size,   "-nolisten",  "tcp", "-noreset"};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const int spawned = ::posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  const std::string display = spawned == 0 ? ReadDisplayNumber(fds[0]) : "";
  ::close(fds[0]);
  if (display.empty()) {
    problem_ = "Xvfb did not start";
    if (spawned == 0) ::kill(pid_, SIGTERM), ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
    return;
  }
  ::setenv("DISPLAY", (":" + display).c_str(), 1);
  ::unsetenv("WAYLAND_DISPLAY");
  // Two monitors on the one screen; the first holds the screen's output, so it is the primary.
  const std::string w = std::to_string(kMonitorWidth);
  const std::string h = std::to_string(kMonitorHeight);
  Shell("xrandr --setmonitor first " + w + "/270x" + h +
        "/203+0+0 screen && xrandr --setmonitor second " + w + "/270x" + h + "/203+" + w +
        "+0 none");
}

XServer::~XServer() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
  }
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

ScreenRect WindowRect(std::int32_t window) {
  const std::string info = Shell("xwininfo -id " + std::to_string(window));
  return {Field(info, "Absolute upper-left X:"), Field(info, "Absolute upper-left Y:"),
          Field(info, "Width:"), Field(info, "Height:")};
}

std::string WindowTitle(std::int32_t window) {
  return Shell("xdotool getwindowname " + std::to_string(window));
}

std::int32_t WaitForWindow(const std::string& title) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::istringstream found(Shell("xdotool search --onlyvisible --name '^" + title + "$'"));
    std::int32_t window = 0;
    if (found >> window) return window;
    ::usleep(50000);
  }
  return 0;
}

void PressKeys(std::int32_t window, const std::string& keys) {
  const std::string id = std::to_string(window);
  Shell("xdotool windowfocus --sync " + id + " key --clearmodifiers " + keys);
}

void Screenshot(std::int32_t window, const std::string& name) {
  std::filesystem::create_directories(VELLOWAY_SCREENSHOTS);
  Shell("import -window " + std::to_string(window) + " '" VELLOWAY_SCREENSHOTS "/" + name +
        ".png'");
}

}  // namespace velloway::test
