// Reading a package's large parts on several threads at once: the shared strings and the
// worksheets do not depend on one another while they are read, and they are nearly all of a
// workbook's work. Each thread reads through its own opening of the package.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <vector>

namespace velloway::workbook {

class ZipPackage;

struct PartJob {
  std::uint64_t size = 0;  // the work it is thought to be, so that the largest start first
  std::function<void(ZipPackage&)> run;
};

// Runs the jobs and returns each one's failure (null when it succeeded), in the jobs' order, so
// that the caller reports the failure a reading in order would have met first; a job after
// one that failed may be left out. Other threads join in only when the jobs come to at least
// parallelFrom bytes: for small packages starting them costs more than it saves.
std::vector<std::exception_ptr> RunPartJobs(ZipPackage& package, const std::vector<PartJob>& jobs,
                                            std::uint64_t parallelFrom);

}  // namespace velloway::workbook
