// How the import's process uses glibc's malloc. The older template's register is one XML tree
// of millions of small nodes, some 800 MB at 10,000 risks.
//
// On 4 KiB pages, faulting that memory in and missing the TLB while walking it cost more than
// building it; on 2 MiB pages the import takes half the time, and the current template's import
// is the same speed in the same memory. glibc's malloc asks for such pages only when
// GLIBC_TUNABLES says so, and it reads that once, when the process starts: so the import
// restarts itself once with the setting added. The user's own setting of it, either way, is
// left alone, and is also what keeps the restarted process from restarting. A process with a
// library preloaded is not restarted either: a tool watches it (valgrind, a heap profiler), and
// the restart would slip out of the tool's hands or be refused by it.
#include "app/MallocSettings.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace velloway::app {
namespace {

constexpr const char* kTunable = "glibc.malloc.hugetlb";

// Whether the kernel hands out transparent huge pages to a process that asks ("always" or
// "madvise"; not "never").
bool SystemHasHugePages() {
  std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string modes;
  return std::getline(setting, modes) && modes.find("[never]") == std::string::npos;
}

// Whether malloc is glibc's own: not under a sanitizer, which brings its own allocator.
constexpr bool MallocIsGlibcs() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || !defined(__GLIBC__)
  return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer)
  return false;
#else
  return true;
#endif
#else
  return true;
#endif
}

}  // namespace

void RestartOnHugePages(char** argv) {
  if (!MallocIsGlibcs()) return;
  const char* current = std::getenv("GLIBC_TUNABLES");
  const std::string tunables = current != nullptr ? current : "";
  if (tunables.find(kTunable) != std::string::npos || std::getenv("LD_PRELOAD") != nullptr ||
      !SystemHasHugePages()) {
    return;
  }
  const std::string with = (tunables.empty() ? "" : tunables + ":") + kTunable + "=1";
  if (setenv("GLIBC_TUNABLES", with.c_str(), 1) != 0) return;
  execv("/proc/self/exe", argv);
  // Still here: the restart failed, and the import runs as it is.
  if (current != nullptr) {
    setenv("GLIBC_TUNABLES", tunables.c_str(), 1);
  } else {
    unsetenv("GLIBC_TUNABLES");
  }
}

// Freed small blocks normally wait in "fast bins" and are merged with their neighbours in
// bulk later; after a tree of millions of nodes is freed, that bulk merge alone took a tenth of
// the older template's import. Merged as they are freed, the import is a sixth faster, and
// the current template's import is the same speed in the same memory.
void MergeFreedBlocksAtOnce() {
  if (MallocIsGlibcs()) mallopt(M_MXFAST, 0);
}

}  // namespace velloway::app
