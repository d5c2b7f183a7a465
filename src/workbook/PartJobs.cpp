#include "workbook/PartJobs.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <system_error>
#include <thread>

#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

// More threads than this gain little: reading is bound by memory as much as by the cores.
constexpr unsigned kMaxThreads = 4;

unsigned ThreadsFor(std::size_t jobs, std::uint64_t work, std::uint64_t parallelFrom) {
  if (work < parallelFrom) return 1;
  const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
  return static_cast<unsigned>(std::min<std::size_t>({jobs, cores, kMaxThreads}));
}

}  // namespace

std::vector<std::exception_ptr> RunPartJobs(ZipPackage& package, const std::vector<PartJob>& jobs,
                                            std::uint64_t parallelFrom) {
  std::vector<std::exception_ptr> failures(jobs.size());
  std::vector<std::size_t> order(jobs.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return jobs[a].size > jobs[b].size; });
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> firstFailed{jobs.size()};
  auto work = [&](ZipPackage& own) {
    for (std::size_t taken = next++; taken < order.size(); taken = next++) {
      const std::size_t job = order[taken];
      if (job > firstFailed.load()) continue;
      try {
        jobs[job].run(own);
      } catch (...) {
        failures[job] = std::current_exception();
        std::size_t failed = firstFailed.load();
        while (job < failed && !firstFailed.compare_exchange_weak(failed, job)) {
        }
      }
    }
  };

  const std::uint64_t total =
      std::accumulate(jobs.begin(), jobs.end(), std::uint64_t{0},
                      [](std::uint64_t sum, const PartJob& job) { return sum + job.size; });
  std::vector<std::thread> helpers;
  for (unsigned i = 1; i < ThreadsFor(jobs.size(), total, parallelFrom); ++i) {
    try {
      helpers.emplace_back([&] {
        // A helper that cannot open the package leaves its share to the others.
        try {
          ZipPackage own = package.Reopen();
          work(own);
        } catch (...) {
        }
      });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: fewer do the work
    }
  }
  work(package);
  for (std::thread& helper : helpers) helper.join();
  return failures;
}

}  // namespace velloway::workbook
