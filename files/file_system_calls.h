// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-system calls a save makes, behind one interface so that tests can
// make any of them fail the way a disk does: a short write, a full disk
// (ENOSPC), an I/O error (EIO), a failed fsync, a failed rename. Each call
// keeps the POSIX contract of the call it stands for: its result, and errno
// set on failure.

#include <cstddef>
#include <sys/types.h>

namespace vuriru {

class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;

  // mkstemp: creates and opens a new file from the pattern's XXXXXX.
  virtual int MakeTemp(char* pattern) = 0;
  virtual ssize_t Write(int fd, const void* data, size_t size) = 0;
  virtual int Sync(int fd) = 0;
  virtual int ChangeMode(int fd, mode_t mode) = 0;
  virtual int Close(int fd) = 0;
  virtual int Rename(const char* from, const char* to) = 0;
  virtual int Unlink(const char* path) = 0;
  // Opens a folder for reading, so that it can be synced.
  virtual int OpenDirectory(const char* path) = 0;
};

// The calls of the operating system.
FileSystemCalls& SystemFileCalls();

}  // namespace vuriru
