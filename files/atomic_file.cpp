// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace vuriru {

namespace {

constexpr const char* kCannotWrite = VURIRU_TEXT("Messages", "Cannot write %1: %2");

// `what` names the step with the file as %1 and the system's words as %2.
FileWriteResult Failure(const char* what, const std::filesystem::path& path, int error) {
  UserText text(what, {path.string()});
  text.parts = {SystemErrorText(error)};
  return FileWriteResult::Failed(std::move(text));
}

bool WriteAll(FileSystemCalls& calls, int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = calls.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a failure here no longer endangers the
// target, so it is not reported.
void SyncDirectory(FileSystemCalls& calls, const std::filesystem::path& dir) {
  const int fd = calls.OpenDirectory(dir.c_str());
  if (fd < 0) return;
  calls.Sync(fd);
  calls.Close(fd);
}

// mkstemp creates a file only its owner may read: keep the rights of the file
// being replaced, or give a new one the rights a plain create would.
mode_t ModeFor(const std::filesystem::path& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A link is written through, as a plain create-or-truncate would: renaming
// over the link itself would turn it into a file and leave the file it named
// with the old contents.
std::filesystem::path ResolveLink(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved;
}

}  // namespace

UserText SystemErrorText(int error) {
  static constexpr std::pair<int, const char*> kWords[] = {
      {ENOENT, VURIRU_TEXT("Messages", "No such file or directory")},
      {EACCES, VURIRU_TEXT("Messages", "Permission denied")},
      {ENOSPC, VURIRU_TEXT("Messages", "No space left on device")},
      {EDQUOT, VURIRU_TEXT("Messages", "Disk quota exceeded")},
      {EROFS, VURIRU_TEXT("Messages", "Read-only file system")},
      {EISDIR, VURIRU_TEXT("Messages", "Is a directory")},
      {ENOTDIR, VURIRU_TEXT("Messages", "Not a directory")},
  };
  for (const auto& [code, words] : kWords) {
    if (code == error) return words;
  }
  return UserText("%1", {std::strerror(error)});
}

FileWriteResult WriteFileAtomically(const std::filesystem::path& requested, std::span<const uint8_t> bytes,
                                    FileSystemCalls& calls) {
  const std::filesystem::path target = ResolveLink(requested);
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');

  const int fd = calls.MakeTemp(name.data());
  if (fd < 0) return Failure(VURIRU_TEXT("Messages", "Cannot create a file in %1: %2"), dir, errno);
  const std::filesystem::path temp(name.data());

  int error = 0;
  const char* what = nullptr;
  if (!WriteAll(calls, fd, bytes)) {
    error = errno;
    what = kCannotWrite;
  } else if (calls.Sync(fd) != 0) {
    error = errno;
    what = kCannotWrite;
  }
  if (error == 0) calls.ChangeMode(fd, ModeFor(target));
  if (calls.Close(fd) != 0 && error == 0) {
    error = errno;
    what = kCannotWrite;
  }
  if (error == 0 && calls.Rename(temp.c_str(), target.c_str()) != 0) {
    error = errno;
    what = VURIRU_TEXT("Messages", "Cannot replace %1: %2");
  }
  if (error != 0) {
    calls.Unlink(temp.c_str());
    return Failure(what, target, error);
  }
  SyncDirectory(calls, dir);
  return {true, {}, {}};
}

}  // namespace vuriru
