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

std::string LibraryProblemMessage(LibraryProblem problem, const std::filesystem::path& path,
                                  const std::string& detail) {
  const std::string file = path.string();
  const std::string goesOn = " Settings are read and stored as usual, but this session keeps no history.";
  switch (problem) {
    case LibraryProblem::kNone:
      return "";
    case LibraryProblem::kLocked:
      return "The settings library " + file + " is locked by another program." + goesOn;
    case LibraryProblem::kCorrupt:
      return "The settings library " + file + " is damaged and was left as it is." + goesOn;
    case LibraryProblem::kReadOnly:
      return "The settings library " + file +
             " cannot be written. Settings are read and stored as usual, and the history can be looked at, but "
             "nothing new is kept.";
    case LibraryProblem::kDiskFull:
      return "The disk holding the settings library " + file + " is full." + goesOn;
    case LibraryProblem::kNewer:
      return "The settings library " + file + " was made by a newer version of this program and was left as it is." +
             goesOn;
    case LibraryProblem::kNotALibrary:
      return file + " is not a settings library of this program and was left as it is." + goesOn;
    case LibraryProblem::kCannotOpen:
      break;
  }
  return "The settings library " + file + " cannot be opened" + (detail.empty() ? "" : " (" + detail + ")") + "." +
         goesOn;
}

}  // namespace vuriru
