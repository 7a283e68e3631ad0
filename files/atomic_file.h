// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaces a file without ever leaving a half-written one where a good one
// stood: the bytes go to a temporary file beside the target, are flushed to
// the disk, and the temporary file is then renamed over the target in one step.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "common/user_text.h"
#include "files/file_system_calls.h"

namespace vuriru {

struct FileWriteResult {
  bool ok = false;
  std::string message;  // when !ok: what failed, in English: EnglishText(text)
  UserText text;        // when !ok: what failed, for the user

  static FileWriteResult Failed(UserText why) {
    FileWriteResult failed;
    failed.message = EnglishText(why);
    failed.text = std::move(why);
    return failed;
  }
};

// The system's words for `error`, in English as strerror() gives them; the
// failures a save meets most are texts the window shows in its language.
UserText SystemErrorText(int error);

// On failure the target is unchanged and the temporary file is removed. A
// target that is a symbolic link has the file it names replaced. Whatever
// step fails, or wherever the program stops, the target holds either its old
// bytes or the new ones, whole: it is only ever replaced by the rename of a
// file that has been written and flushed completely.
FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                                    FileSystemCalls& calls = SystemFileCalls());

}  // namespace vuriru
