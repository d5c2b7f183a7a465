// The import's process on transparent huge pages, where the system has them.
#pragma once

namespace velloway::app {

// Restarts the command, with the same arguments, once with glibc's malloc told to use
// transparent huge pages; returns when it does not (the user's GLIBC_TUNABLES already says
// whether to, a library is preloaded, the system has no such pages, the build is instrumented,
// or the restart failed).
void RestartOnHugePages(char** argv);

}  // namespace velloway::app
