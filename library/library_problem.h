// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why the library cannot be used, and the one message that tells the user.

#include <filesystem>
#include <string>

#include "common/user_text.h"

namespace vuriru {

enum class LibraryProblem {
  kNone,
  kLocked,       // another program held the file longer than the busy time-out
  kCorrupt,      // not a readable database
  kReadOnly,     // the file or its folder cannot be written
  kDiskFull,     // the disk has no room for the file to grow
  kNewer,        // made by a newer version of this program
  kNotALibrary,  // another program's database
  kCannotOpen,   // anything else: the folder cannot be made, an I/O error, ...
};

// The problem behind an SQLite result code (extended codes too).
LibraryProblem ProblemOfSqliteResult(int rc);

// Whether the library can still be read with this problem (it then keeps
// showing its history but takes nothing new).
bool ProblemLeavesReading(LibraryProblem problem);

// One message, naming the file and saying that the program works on without
// history. `detail` adds SQLite's own words where the kind alone says little.
UserText LibraryProblemNotice(LibraryProblem problem, const std::filesystem::path& path, const UserText& detail = {});

}  // namespace vuriru
