// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/full_disk_vfs.h"

#include <atomic>
#include <cstring>
#include <sqlite3.h>

namespace vuriru::testing {

namespace {

std::atomic<bool> g_full{false};
sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_shim;

// Our file, with the default VFS's file right behind it.
struct ShimFile {
  sqlite3_file base;
  sqlite3_file* real;
};

sqlite3_file* Real(sqlite3_file* file) {
  return reinterpret_cast<ShimFile*>(file)->real;
}

int Close(sqlite3_file* f) {
  return Real(f)->pMethods->xClose(Real(f));
}
int Read(sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
  return Real(f)->pMethods->xRead(Real(f), buffer, amount, offset);
}
int Write(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset) {
  if (g_full) return SQLITE_FULL;
  return Real(f)->pMethods->xWrite(Real(f), buffer, amount, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
  return Real(f)->pMethods->xTruncate(Real(f), size);
}
int Sync(sqlite3_file* f, int flags) {
  return Real(f)->pMethods->xSync(Real(f), flags);
}
int FileSize(sqlite3_file* f, sqlite3_int64* size) {
  return Real(f)->pMethods->xFileSize(Real(f), size);
}
int Lock(sqlite3_file* f, int level) {
  return Real(f)->pMethods->xLock(Real(f), level);
}
int Unlock(sqlite3_file* f, int level) {
  return Real(f)->pMethods->xUnlock(Real(f), level);
}
int CheckReservedLock(sqlite3_file* f, int* out) {
  return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
}
int FileControl(sqlite3_file* f, int op, void* arg) {
  return Real(f)->pMethods->xFileControl(Real(f), op, arg);
}
int SectorSize(sqlite3_file* f) {
  return Real(f)->pMethods->xSectorSize(Real(f));
}
int DeviceCharacteristics(sqlite3_file* f) {
  return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
}
int ShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
  return Real(f)->pMethods->xShmMap(Real(f), region, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) {
  Real(f)->pMethods->xShmBarrier(Real(f));
}
int ShmUnmap(sqlite3_file* f, int deleteFlag) {
  return Real(f)->pMethods->xShmUnmap(Real(f), deleteFlag);
}
int Fetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
  return Real(f)->pMethods->xFetch(Real(f), offset, amount, out);
}
int Unfetch(sqlite3_file* f, sqlite3_int64 offset, void* page) {
  return Real(f)->pMethods->xUnfetch(Real(f), offset, page);
}

const sqlite3_io_methods kMethods = {
    3,
    Close,
    Read,
    Write,
    Truncate,
    Sync,
    FileSize,
    Lock,
    Unlock,
    CheckReservedLock,
    FileControl,
    SectorSize,
    DeviceCharacteristics,
    ShmMap,
    ShmLock,
    ShmBarrier,
    ShmUnmap,
    Fetch,
    Unfetch,
};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  auto* shim = reinterpret_cast<ShimFile*>(file);
  shim->real = reinterpret_cast<sqlite3_file*>(shim + 1);
  std::memset(shim->real, 0, static_cast<size_t>(g_real->szOsFile));
  const int rc = g_real->xOpen(g_real, name, shim->real, flags, outFlags);
  shim->base.pMethods = rc == SQLITE_OK && shim->real->pMethods != nullptr ? &kMethods : nullptr;
  return rc;
}
int Delete(sqlite3_vfs*, const char* name, int syncDir) {
  return g_real->xDelete(g_real, name, syncDir);
}
int Access(sqlite3_vfs*, const char* name, int flags, int* out) {
  return g_real->xAccess(g_real, name, flags, out);
}
int FullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  return g_real->xFullPathname(g_real, name, size, out);
}
int Randomness(sqlite3_vfs*, int size, char* out) {
  return g_real->xRandomness(g_real, size, out);
}
int Sleep(sqlite3_vfs*, int microseconds) {
  return g_real->xSleep(g_real, microseconds);
}
int CurrentTime(sqlite3_vfs*, double* out) {
  return g_real->xCurrentTime(g_real, out);
}
int GetLastError(sqlite3_vfs*, int size, char* out) {
  return g_real->xGetLastError(g_real, size, out);
}
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
  return g_real->xCurrentTimeInt64(g_real, out);
}

}  // namespace

void RegisterFullDiskVfs() {
  if (g_real != nullptr) return;
  g_real = sqlite3_vfs_find(nullptr);
  std::memset(&g_shim, 0, sizeof g_shim);
  g_shim.iVersion = 2;
  g_shim.szOsFile = static_cast<int>(sizeof(ShimFile)) + g_real->szOsFile;
  g_shim.mxPathname = g_real->mxPathname;
  g_shim.zName = kFullDiskVfs;
  g_shim.xOpen = Open;
  g_shim.xDelete = Delete;
  g_shim.xAccess = Access;
  g_shim.xFullPathname = FullPathname;
  g_shim.xRandomness = Randomness;
  g_shim.xSleep = Sleep;
  g_shim.xCurrentTime = CurrentTime;
  g_shim.xGetLastError = GetLastError;
  g_shim.xCurrentTimeInt64 = CurrentTimeInt64;
  sqlite3_vfs_register(&g_shim, 0);
}

void SetDiskFull(bool full) {
  g_full = full;
}

}  // namespace vuriru::testing
