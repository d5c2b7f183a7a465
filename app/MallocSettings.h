// How the import's process uses glibc's malloc: on transparent huge pages where the system has
// them, and with freed blocks merged as they are freed.
#pragma once

namespace velloway::app {

// Restarts the command, with the same arguments, once with glibc's malloc told to use
// transparent huge pages; returns when it does not (the user's GLIBC_TUNABLES already says
// whether to, a library is preloaded, the system has no such pages, the build is instrumented,
// or the restart failed).
void RestartOnHugePages(char** argv);

// Has malloc merge a freed block with its free neighbours at once rather than in bulk later.
void MergeFreedBlocksAtOnce();

}  // namespace velloway::app
