// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_problem.h"

#include <sqlite3.h>

namespace vuriru {

LibraryProblem ProblemOfSqliteResult(int rc) {
  switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return LibraryProblem::kNone;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return LibraryProblem::kLocked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return LibraryProblem::kCorrupt;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return LibraryProblem::kReadOnly;
    case SQLITE_FULL:
      return LibraryProblem::kDiskFull;
    default:
      return LibraryProblem::kCannotOpen;
  }
}

bool ProblemLeavesReading(LibraryProblem problem) {
  return problem == LibraryProblem::kNone || problem == LibraryProblem::kReadOnly ||
         problem == LibraryProblem::kDiskFull || problem == LibraryProblem::kLocked;
}

UserText LibraryProblemNotice(LibraryProblem problem, const std::filesystem::path& path, const UserText& detail) {
  const std::vector<std::string> file = {path.string()};
  switch (problem) {
    case LibraryProblem::kNone:
      return {};
    case LibraryProblem::kLocked:
      return UserText(VURIRU_TEXT("Messages",
                                  "The settings library %1 is locked by another program. Settings are read and stored "
                                  "as usual, but this session keeps no history."),
                      file);
    case LibraryProblem::kCorrupt:
      return UserText(VURIRU_TEXT("Messages",
                                  "The settings library %1 is damaged and was left as it is. Settings are read and "
                                  "stored as usual, but this session keeps no history."),
                      file);
    case LibraryProblem::kReadOnly:
      return UserText(VURIRU_TEXT("Messages",
                                  "The settings library %1 cannot be written. Settings are read and stored as usual, "
                                  "and the history can be looked at, but nothing new is kept."),
                      file);
    case LibraryProblem::kDiskFull:
      return UserText(VURIRU_TEXT("Messages",
                                  "The disk holding the settings library %1 is full. Settings are read and stored as "
                                  "usual, but this session keeps no history."),
                      file);
    case LibraryProblem::kNewer:
      return UserText(VURIRU_TEXT("Messages",
                                  "The settings library %1 was made by a newer version of this program and was left "
                                  "as it is. Settings are read and stored as usual, but this session keeps no "
                                  "history."),
                      file);
    case LibraryProblem::kNotALibrary:
      return UserText(VURIRU_TEXT("Messages",
                                  "%1 is not a settings library of this program and was left as it is. Settings are "
                                  "read and stored as usual, but this session keeps no history."),
                      file);
    case LibraryProblem::kCannotOpen:
      break;
  }
  if (detail.empty()) {
    return UserText(VURIRU_TEXT("Messages",
                                "The settings library %1 cannot be opened. Settings are read and stored as usual, but "
                                "this session keeps no history."),
                    file);
  }
  UserText text(VURIRU_TEXT("Messages",
                            "The settings library %1 cannot be opened (%2). Settings are read and stored as usual, but "
                            "this session keeps no history."),
                file);
  text.parts = {detail};
  return text;
}

}  // namespace vuriru
