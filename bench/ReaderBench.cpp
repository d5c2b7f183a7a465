// Times the workbook reader against the yardsticks on a large generated workbook. Each pass
// runs in a child process of its own, so that its peak memory is its own.
//
//   velloway_reader_bench [--rows N] [--file PATH] [--repeat K]
//
// A workbook of N rows (default 690000, i.e. 6.9 million cells) is written first: to PATH
// when it does not exist yet (and kept), else to $TMPDIR (and removed afterwards).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "BarePass.h"
#include "LargeWorkbook.h"
#include "workbook/Workbook.h"

namespace {

struct Result {
  double seconds = 0;
  double peakMiB = 0;
  unsigned long long count = 0;
};

// Runs one pass in a child; the child reports its time and count through a pipe.
Result RunInChild(const std::function<unsigned long long()>& pass) {
  int channel[2];
  if (pipe(channel) != 0) std::exit(2);
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const auto start = std::chrono::steady_clock::now();
    const unsigned long long count = pass();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string line = std::to_string(seconds) + " " + std::to_string(count);
    if (write(channel[1], line.data(), line.size()) < 0) _exit(3);
    _exit(0);
  }
  close(channel[1]);
  char buffer[128] = {};
  const ssize_t got = read(channel[0], buffer, sizeof buffer - 1);
  close(channel[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Result result;
  if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "a pass failed\n");
    std::exit(1);
  }
  std::sscanf(buffer, "%lf %llu", &result.seconds, &result.count);
  result.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return result;
}

Result Best(int repeat, const std::function<unsigned long long()>& pass) {
  Result best;
  for (int i = 0; i < repeat; ++i) {
    const Result r = RunInChild(pass);
    if (i == 0 || r.seconds < best.seconds) best = r;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t rows = 690000;
  std::string file;
  int repeat = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--rows")
      rows = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
    if (option == "--file") file = argv[i + 1];
    if (option == "--repeat") repeat = std::atoi(argv[i + 1]);
  }
  const bool temporary = file.empty();
  if (temporary) {
    const char* tmp = std::getenv("TMPDIR");
    file = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/velloway-bench-" +
           std::to_string(getpid()) + ".xlsx";
  }
  if (access(file.c_str(), R_OK) != 0) {
    RunInChild([&] {
      velloway::bench::WriteLargeWorkbook(file, rows, 50000);
      return 0ULL;
    });
  }
  std::printf("workbook: %s (%u rows, %u cells)\n", file.c_str(), rows, rows * 10);

  const Result inflate = Best(repeat, [&] { return velloway::bench::InflateOnly(file); });
  const Result bare = Best(repeat, [&] { return velloway::bench::BareSax2Pass(file); });
  const Result ours = Best(repeat, [&] {
    const auto workbook = velloway::workbook::OpenWorkbook(file);
    unsigned long long cells = 0;
    for (const auto& sheet : workbook->Sheets()) cells += sheet.Cells().size();
    return cells;
  });
  std::printf("%-28s %9s %10s %12s\n", "pass", "seconds", "peak MiB", "count");
  auto row = [](const char* name, const Result& r) {
    std::printf("%-28s %9.2f %10.1f %12llu\n", name, r.seconds, r.peakMiB, r.count);
  };
  row("inflate parts only", inflate);
  row("bare libzip + SAX2 pass", bare);
  row("velloway reader", ours);
  std::printf("reader / bare SAX2: %.2fx time, %.2fx memory\n", ours.seconds / bare.seconds,
              ours.peakMiB / bare.peakMiB);
  if (temporary) std::remove(file.c_str());
  return 0;
}
