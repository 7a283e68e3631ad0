// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operating system's file calls, except where a test makes them fail:
// one call of a step failing with an errno, every write cut short, a write
// that takes nothing, or the program stopping at a step, after which no call
// has any effect (as if the power went) but file handles are still let go.

#include <cerrno>
#include <cstddef>
#include <limits>
#include <optional>
#include <unistd.h>

#include "files/file_system_calls.h"

namespace vuriru::testing {

class FaultyFileCalls : public FileSystemCalls {
 public:
  enum class Step { kMakeTemp, kWrite, kSync, kChangeMode, kClose, kRename, kUnlink, kOpenDirectory };

  // The nth call (from 1) of the step fails with `error`.
  void FailAt(Step step, int error, int nth = 1) { m_fault = Fault{step, error, nth, false}; }
  // From the nth call of the step on, nothing takes effect and every call fails.
  void StopAt(Step step, int nth = 1) { m_fault = Fault{step, EIO, nth, true}; }
  // Every write takes at most this many bytes.
  size_t writeLimit = std::numeric_limits<size_t>::max();
  // The nth write returns 0 without an error.
  int emptyWriteAt = 0;

  bool Stopped() const { return m_stopped; }
  int Calls(Step step) const { return m_counts[static_cast<size_t>(step)]; }

  int MakeTemp(char* pattern) override {
    if (Strikes(Step::kMakeTemp)) return -1;
    return m_system.MakeTemp(pattern);
  }
  ssize_t Write(int fd, const void* data, size_t size) override {
    if (Strikes(Step::kWrite)) return -1;
    if (Calls(Step::kWrite) == emptyWriteAt) return 0;
    return m_system.Write(fd, data, size < writeLimit ? size : writeLimit);
  }
  int Sync(int fd) override { return Strikes(Step::kSync) ? -1 : m_system.Sync(fd); }
  int ChangeMode(int fd, mode_t mode) override {
    return Strikes(Step::kChangeMode) ? -1 : m_system.ChangeMode(fd, mode);
  }
  int Close(int fd) override {
    if (Strikes(Step::kClose)) {
      // The handle goes even when close reports an error, as on Linux.
      m_system.Close(fd);
      return -1;
    }
    return m_system.Close(fd);
  }
  int Rename(const char* from, const char* to) override {
    return Strikes(Step::kRename) ? -1 : m_system.Rename(from, to);
  }
  int Unlink(const char* path) override { return Strikes(Step::kUnlink) ? -1 : m_system.Unlink(path); }
  int OpenDirectory(const char* path) override {
    return Strikes(Step::kOpenDirectory) ? -1 : m_system.OpenDirectory(path);
  }

 private:
  struct Fault {
    Step step;
    int error;
    int nth;
    bool stop;
  };

  // Counts the call and tells whether it fails, with errno set.
  bool Strikes(Step step) {
    const int count = ++m_counts[static_cast<size_t>(step)];
    if (m_fault && m_fault->step == step && count == m_fault->nth) {
      if (m_fault->stop) m_stopped = true;
      errno = m_fault->error;
      return true;
    }
    if (m_stopped) {
      errno = EIO;
      return true;
    }
    return false;
  }

  FileSystemCalls& m_system = SystemFileCalls();
  std::optional<Fault> m_fault;
  bool m_stopped = false;
  int m_counts[8] = {};
};

}  // namespace vuriru::testing
