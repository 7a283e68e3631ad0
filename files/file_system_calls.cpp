// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_system_calls.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vuriru {
namespace {

class SystemCalls : public FileSystemCalls {
 public:
  int MakeTemp(char* pattern) override { return ::mkstemp(pattern); }
  ssize_t Write(int fd, const void* data, size_t size) override { return ::write(fd, data, size); }
  int Sync(int fd) override { return ::fsync(fd); }
  int ChangeMode(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
  int Close(int fd) override { return ::close(fd); }
  int Rename(const char* from, const char* to) override { return ::rename(from, to); }
  int Unlink(const char* path) override { return ::unlink(path); }
  int OpenDirectory(const char* path) override { return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC); }
};

}  // namespace

FileSystemCalls& SystemFileCalls() {
  static SystemCalls calls;
  return calls;
}

}  // namespace vuriru
