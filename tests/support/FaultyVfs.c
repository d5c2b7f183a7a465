/* A SQLite file system that fails on purpose, for tests of failed plan writes. Preloaded into a
 * process (LD_PRELOAD), it registers itself as the default: the real one with its files' writes
 * counted, and from the Nth write on failing, as a full disk or a broken one would:
 *   VELLOWAY_FAULT        "full" (SQLITE_FULL) or "ioerr" (SQLITE_IOERR_WRITE)
 *   VELLOWAY_FAULT_AFTER  N: the first failing write (1 = the first); unset or 0: none fails
 *   VELLOWAY_FAULT_TIMES  how many writes fail from there (unset: all; 1: a disk that was full
 *                         for a moment, until SQLite's rollback freed its space)
 *   VELLOWAY_FAULT_COUNT  a file that receives the number of writes made, at exit */
#include <sqlite3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static sqlite3_vfs faultyVfs;
static sqlite3_vfs* realVfs;
static const sqlite3_io_methods* realMethods;
static sqlite3_io_methods faultyMethods;
static long writes;
static long failFrom;
static long failTimes;
static int failCode = SQLITE_FULL;

static int Write(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
  ++writes;
  if (failFrom > 0 && writes >= failFrom && (failTimes <= 0 || writes < failFrom + failTimes)) {
    return failCode;
  }
  return realMethods->xWrite(f, b, n, o);
}

/* The real file with the real methods but Write; version 1 methods only, so no shared memory
 * and no memory mapping: every write goes through Write. */
static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  const int rc = realVfs->xOpen(realVfs, name, f, flags, outFlags);
  (void)vfs;
  if (f->pMethods == 0) return rc;
  if (realMethods == 0) {
    realMethods = f->pMethods;
    faultyMethods = *realMethods;
    faultyMethods.iVersion = 1;
    faultyMethods.xWrite = Write;
  }
  if (f->pMethods == realMethods) f->pMethods = &faultyMethods;
  return rc;
}

static void ReportCount(void) {
  const char* path = getenv("VELLOWAY_FAULT_COUNT");
  FILE* out = path != 0 ? fopen(path, "w") : 0;
  if (out == 0) return;
  fprintf(out, "%ld\n", writes);
  fclose(out);
}

__attribute__((constructor)) static void RegisterFaultyVfs(void) {
  const char* kind = getenv("VELLOWAY_FAULT");
  const char* after = getenv("VELLOWAY_FAULT_AFTER");
  const char* times = getenv("VELLOWAY_FAULT_TIMES");
  if (kind != 0 && strcmp(kind, "ioerr") == 0) failCode = SQLITE_IOERR_WRITE;
  failFrom = after != 0 ? atol(after) : 0;
  failTimes = times != 0 ? atol(times) : 0;
  sqlite3_initialize();
  realVfs = sqlite3_vfs_find(0);
  if (realVfs == 0) return;
  /* The real file system's own functions but Open, called with the real one where they need it. */
  faultyVfs = *realVfs;
  faultyVfs.pNext = 0;
  faultyVfs.zName = "velloway-faulty";
  faultyVfs.xOpen = Open;
  sqlite3_vfs_register(&faultyVfs, 1);
  atexit(ReportCount);
}
