// The whole comparison in one command: for generated register workbooks of each template and
// size, the time and peak memory of inflating every part, a bare libzip + SAX2 pass keeping every
// value, `velloway cells` (the reader printing every cell) and the import end to end into a new
// SQLite plan, each as a process of its own, with each time as a ratio to the SAX2 pass over the
// same workbook in the same run.
//
//   velloway_comparison [--risks 10000,100000] [--older 10000,100000] [--strings shared|inline]
//                       [--folder DIR] [--repeat K] [--passes inflate,sax2,cells,import]
//
// Workbooks are written to DIR (default $TMPDIR/velloway-comparison) unless they exist there
// already; --older "" leaves the older template out. The best of K runs (default 1) counts.
// "cpu s" is the user and system time of all its threads: the reader uses more than one core.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "BarePass.h"
#include "RegisterWorkbook.h"

namespace {

namespace fs = std::filesystem;
using velloway::bench::RegisterShape;
using velloway::bench::StringForm;
using velloway::bench::TemplateKind;

struct Result {
  double seconds = 0;
  double cpuSeconds = 0;  // user and system time of all the pass's threads
  double peakMiB = 0;
};

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs work in a child process, timed from fork to exit, with the child's own peak memory.
Result RunInChild(const std::function<int()>& work) {
  std::fflush(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) std::exit(2);
  if (child == 0) _exit(work());
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Result result;
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  result.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "a pass failed (status %d)\n", status);
    std::exit(1);
  }
  return result;
}

Result Best(int repeat, const std::function<int()>& work) {
  Result best;
  for (int i = 0; i < repeat; ++i) {
    const Result r = RunInChild(work);
    if (i == 0 || r.seconds < best.seconds) best = r;
  }
  return best;
}

// `velloway cells WORKBOOK > /dev/null`, run from the build tree.
int ListCells(const std::string& workbook) {
  const int null = open("/dev/null", O_WRONLY);
  if (null < 0 || dup2(null, STDOUT_FILENO) < 0) return 3;
  execl(VELLOWAY_CLI, VELLOWAY_CLI, "cells", workbook.c_str(), static_cast<char*>(nullptr));
  return 4;
}

// `velloway import WORKBOOK --plan PLAN --yes --quiet` into a new plan, run from the build tree
// as a user runs it, with an installation folder of its own.
int Import(const fs::path& folder, const std::string& workbook, TemplateKind kind) {
  std::string ini = "[RegPath]\nWorkingKey=Bench\n";
  if (kind == TemplateKind::Older) {
    fs::create_directories(folder / "RiskRegister");
    fs::copy_file(VELLOWAY_SOURCE_SHARE "/RiskRegister/RiskRegister.xsd",
                  folder / "RiskRegister" / "RiskRegister.xsd",
                  fs::copy_options::overwrite_existing);
    ini += "[XML]\nSchemaValidationOn=TRUE\n";
  }
  std::ofstream(folder / "Kestrion.ini") << ini;
  const std::string plan = (folder / "plan.db").string();
  fs::remove(plan);
  execl(VELLOWAY_CLI, VELLOWAY_CLI, "import", workbook.c_str(), "--plan", plan.c_str(),
        "--install-dir", folder.c_str(), "--yes", "--quiet", static_cast<char*>(nullptr));
  return 4;
}

std::vector<int> Sizes(const std::string& list) {
  std::vector<int> sizes;
  std::stringstream in(list);
  for (std::string item; std::getline(in, item, ',');) {
    if (!item.empty()) sizes.push_back(std::atoi(item.c_str()));
  }
  return sizes;
}

void Compare(const fs::path& folder, const RegisterShape& shape, int repeat,
             const std::string& passes) {
  const std::string name = std::string(TemplateName(shape.kind)) + "-" +
                           std::to_string(shape.risks) + "-" + StringFormName(shape.strings);
  const std::string workbook = (folder / (name + ".xlsx")).string();
  if (!fs::exists(workbook)) {
    RunInChild([&] {
      velloway::bench::WriteRegisterWorkbook(workbook, shape);
      return 0;
    });
  }
  const fs::path work = folder / ("import-" + name);
  fs::create_directories(work);
  const Result bare = Best(repeat, [&] {
    velloway::bench::BareSax2Pass(workbook);
    return 0;
  });
  auto print = [&](const char* pass, const Result& r) {
    std::printf("%-22s %-8s %8.2f %8.2f %9.0f %8.2f\n", name.c_str(), pass, r.seconds,
                r.seconds / bare.seconds, r.peakMiB, r.cpuSeconds);
  };
  auto run = [&](const char* pass, const std::function<int()>& task) {
    if (passes.find(pass) != std::string::npos) print(pass, Best(repeat, task));
  };
  run("inflate", [&] {
    velloway::bench::InflateOnly(workbook);
    return 0;
  });
  print("sax2", bare);
  run("cells", [&] { return ListCells(workbook); });
  run("import", [&] { return Import(work, workbook, shape.kind); });
  std::printf("%-22s %.1f MB\n", "", static_cast<double>(fs::file_size(workbook)) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  std::string risks = "10000,100000";
  std::string older = "10000,100000";
  StringForm strings = StringForm::Shared;
  const char* tmp = std::getenv("TMPDIR");
  fs::path folder = fs::path(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") / "velloway-comparison";
  int repeat = 1;
  std::string passes = "inflate,sax2,cells,import";
  for (int i = 1; i < argc; i += 2) {
    const std::string option = argv[i];
    static const std::string kOptions[] = {"--risks",  "--older",  "--strings",
                                           "--folder", "--passes", "--repeat"};
    if (i + 1 == argc ||
        std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions)) {
      std::fprintf(stderr,
                   "usage: velloway_comparison [--risks N,...] [--older N,...] "
                   "[--strings shared|inline] [--folder DIR] [--repeat K] [--passes LIST]\n");
      return 2;
    }
    const std::string value = argv[i + 1];
    if (option == "--risks") risks = value;
    if (option == "--older") older = value;
    if (option == "--strings")
      strings = value == "inline" ? StringForm::Inline : StringForm::Shared;
    if (option == "--folder") folder = value;
    if (option == "--passes") passes = value;
    if (option == "--repeat") repeat = std::max(1, std::atoi(value.c_str()));
  }
  fs::create_directories(folder);
  std::printf("%-22s %-8s %8s %8s %9s %8s\n", "workbook", "pass", "seconds", "x SAX2", "peak MiB",
              "cpu s");
  for (const int size : Sizes(risks))
    Compare(folder, {TemplateKind::Current, size, strings}, repeat, passes);
  for (const int size : Sizes(older))
    Compare(folder, {TemplateKind::Older, size, strings}, repeat, passes);
  return 0;
}
