/* A SQLite file system that fails on purpose, for tests of failed plan writes. Preloaded into a
 * process (LD_PRELOAD), it registers itself as the default and passes everything through to the
 * real one, except that from the Nth write on every write fails, as a full disk or a broken one
 * would:
 *   VELLOWAY_FAULT        "full" (SQLITE_FULL) or "ioerr" (SQLITE_IOERR_WRITE)
 *   VELLOWAY_FAULT_AFTER  N: the first failing write (1 = the first); unset or 0: none fails
 *   VELLOWAY_FAULT_TIMES  how many writes fail from there (unset: all; 1: a disk that was full
 *                         for a moment, until SQLite's rollback freed its space)
 *   VELLOWAY_FAULT_COUNT  a file that receives the number of writes made, at exit */
#include <sqlite3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct FaultyFile {
  sqlite3_file base;
  sqlite3_file* real; /* follows this struct in the same allocation */
} FaultyFile;

static sqlite3_vfs faultyVfs;
static sqlite3_vfs* realVfs;
static long writes;
static long failFrom;
static long failTimes;
static int failCode = SQLITE_FULL;

static sqlite3_file* Real(sqlite3_file* f) { return ((FaultyFile*)f)->real; }

static int Close(sqlite3_file* f) { return Real(f)->pMethods->xClose(Real(f)); }
static int Read(sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
  return Real(f)->pMethods->xRead(Real(f), b, n, o);
}
static int Write(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
  ++writes;
  if (failFrom > 0 && writes >= failFrom && (failTimes <= 0 || writes < failFrom + failTimes)) {
    return failCode;
  }
  return Real(f)->pMethods->xWrite(Real(f), b, n, o);
}
static int Truncate(sqlite3_file* f, sqlite3_int64 size) {
  return Real(f)->pMethods->xTruncate(Real(f), size);
}
static int Sync(sqlite3_file* f, int flags) { return Real(f)->pMethods->xSync(Real(f), flags); }
static int FileSize(sqlite3_file* f, sqlite3_int64* size) {
  return Real(f)->pMethods->xFileSize(Real(f), size);
}
static int Lock(sqlite3_file* f, int l) { return Real(f)->pMethods->xLock(Real(f), l); }
static int Unlock(sqlite3_file* f, int l) { return Real(f)->pMethods->xUnlock(Real(f), l); }
static int CheckLock(sqlite3_file* f, int* out) {
  return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
}
static int Control(sqlite3_file* f, int op, void* arg) {
  return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}
static int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
static int Characteristics(sqlite3_file* f) {
  return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
}

/* Version 1 methods only: no shared memory and no memory mapping, so every write goes
 * through Write. */
static const sqlite3_io_methods faultyMethods = {
    1,      Close,     Read,    Write,      Truncate,        Sync, FileSize, Lock,
    Unlock, CheckLock, Control, SectorSize, Characteristics, 0,    0,        0,
    0,      0,         0};

static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  FaultyFile* file = (FaultyFile*)f;
  file->real = (sqlite3_file*)&file[1];
  const int rc = realVfs->xOpen(realVfs, name, file->real, flags, outFlags);
  file->base.pMethods = file->real->pMethods != 0 ? &faultyMethods : 0;
  (void)vfs;
  return rc;
}
static int Delete(sqlite3_vfs* v, const char* n, int s) {
  (void)v;
  return realVfs->xDelete(realVfs, n, s);
}
static int Access(sqlite3_vfs* v, const char* n, int f, int* out) {
  (void)v;
  return realVfs->xAccess(realVfs, n, f, out);
}
static int FullPath(sqlite3_vfs* v, const char* n, int size, char* out) {
  (void)v;
  return realVfs->xFullPathname(realVfs, n, size, out);
}
static int Random(sqlite3_vfs* v, int n, char* out) {
  (void)v;
  return realVfs->xRandomness(realVfs, n, out);
}
static int Sleep(sqlite3_vfs* v, int us) {
  (void)v;
  return realVfs->xSleep(realVfs, us);
}
static int Now(sqlite3_vfs* v, double* out) {
  (void)v;
  return realVfs->xCurrentTime(realVfs, out);
}
static int LastError(sqlite3_vfs* v, int n, char* out) {
  (void)v;
  return realVfs->xGetLastError(realVfs, n, out);
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
  if (kind != 0 && strcmp(kind, "ioerr") == 0) failCode = SQLITE_IOERR_WRITE;
  const char* times = getenv("VELLOWAY_FAULT_TIMES");
  failFrom = after != 0 ? atol(after) : 0;
  failTimes = times != 0 ? atol(times) : 0;
  sqlite3_initialize();
  realVfs = sqlite3_vfs_find(0);
  if (realVfs == 0) return;
  faultyVfs.iVersion = 1;
  faultyVfs.szOsFile = (int)sizeof(FaultyFile) + realVfs->szOsFile;
  faultyVfs.mxPathname = realVfs->mxPathname;
  faultyVfs.zName = "velloway-faulty";
  faultyVfs.xOpen = Open;
  faultyVfs.xDelete = Delete;
  faultyVfs.xAccess = Access;
  faultyVfs.xFullPathname = FullPath;
  faultyVfs.xRandomness = Random;
  faultyVfs.xSleep = Sleep;
  faultyVfs.xCurrentTime = Now;
  faultyVfs.xGetLastError = LastError;
  sqlite3_vfs_register(&faultyVfs, 1);
  atexit(ReportCount);
}
