// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings library: one SQLite file that keeps the history of what the
// controllers held (snapshots) and the setups the user saved by name. The
// window and the command-line tool may have it open at the same time; every
// change is one transaction, and a writer waits for another at most the busy
// time-out.
//
// A library that is locked, damaged, read-only, on a full disk or made by a
// newer program never stops the program: every call is safe to make, does
// nothing it cannot do, and the one message that says why is handed out
// once (TakeNotice). The file itself is never replaced or deleted.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <vector>

#include "library/library_problem.h"
#include "library/run_log.h"
#include "library/snapshot.h"

namespace vuriru {

struct LibraryOptions {
  // How long a change waits for another program's change to end.
  int busyTimeoutMs = 1000;
  // The SQLite VFS the file is opened through; "" for SQLite's default.
  // Tests name a VFS that fails as a full disk would.
  std::string vfs;
  // Milliseconds since 1970 (UTC); the system clock when empty.
  std::function<int64_t()> clockMs;
  // This program's version, kept with each snapshot.
  std::string program;
};

// Why a call was refused.
enum class LibraryRefusal {
  kNone,
  kLibrary,    // the library's own trouble (ProblemText), or no library at all
  kBadRecord,  // a record whose data does not fit its kind
  kBadName,    // a setup name that cannot be used (SetupNameProblem)
  kNameTaken,  // another setup has that name
  kNotFound,   // no setup of that name, no run-log entry of that id
  kBadNote,    // a run-log note too long to keep
};

struct LibraryResult {
  bool ok = false;
  std::string message;   // when !ok: why, in English: EnglishText(text)
  UserText text;         // when !ok: why, for the user, as a part of a line
  int64_t id = 0;        // the snapshot or setup the call made or changed
  bool counted = false;  // a snapshot equal to the newest of its kind and software, counted instead of stored
  LibraryRefusal refusal = LibraryRefusal::kNone;

  // A call the library turned down, and why.
  static LibraryResult Refusal(LibraryRefusal why, UserText text, int64_t id = 0) {
    LibraryResult result;
    result.message = EnglishText(text);
    result.text = std::move(text);
    result.id = id;
    result.refusal = why;
    return result;
  }
};

class Library {
 public:
  // Opens the file, creating it and its folder when missing, and brings its
  // schema up to date. An empty path opens nothing and says nothing: the
  // history is off on purpose.
  explicit Library(std::filesystem::path path, LibraryOptions options = {});
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  bool CanRead() const { return m_readable; }
  bool CanWrite() const { return m_writable; }
  LibraryProblem Problem() const { return m_problem; }
  // The one message about the library's problem; "" while there is none.
  const std::string& ProblemText() const { return m_message; }
  // The same message, for the window to show in its language.
  const UserText& ProblemNotice() const { return m_notice; }
  // The message, the first time it is asked for after something failed;
  // afterwards nothing.
  std::optional<std::string> TakeNotice();

  // Keeps what the controller held. A record equal to the newest snapshot of
  // the same kind and software version is counted on that snapshot instead.
  LibraryResult RecordSnapshot(const ControllerRecord& record, SnapshotReason reason);
  // Newest first; `limit` 0 lists all. Rows that cannot be read are left out.
  std::vector<SnapshotInfo> ListSnapshots(size_t limit = 0);
  // `why` (when given) says why there is none: no such snapshot, a damaged
  // row, or the library's problem.
  std::optional<Snapshot> GetSnapshot(int64_t id, UserText* why = nullptr);
  size_t SnapshotCount();

  // Saves a full controller's settings and curves under a name. An existing
  // setup of that name is replaced only with `replace`, keeping its id.
  LibraryResult SaveSetup(const std::string& name, const std::string& note, const EscData& data,
                          const std::string& software, bool replace = false);
  LibraryResult RenameSetup(const std::string& from, const std::string& to);
  LibraryResult DeleteSetup(const std::string& name);
  // Newest change first.
  std::vector<SetupInfo> ListSetups();
  std::optional<NamedSetup> GetSetup(const std::string& name, UserText* why = nullptr);

  // The running log over time (library/run_log.h). Every entry is kept, one
  // equal to the one before too: each connection is a run of its own. An
  // entry without a time gets the library's clock.
  LibraryResult RecordRunLog(const RunLogEntry& entry);
  // Oldest first; `last` > 0 lists only the newest `last`. Rows that cannot
  // be read are left out.
  std::vector<RunLogEntry> ListRunLog(size_t last = 0);
  LibraryResult SetRunLogNote(int64_t id, const std::string& note);

 private:
  void Open();
  // Opens an existing file for reading only; false when even that fails.
  bool OpenReadOnly();
  void Configure();
  bool CheckAndMigrate();
  bool CheckAndMigrateSchema();
  // Takes the failure into the library's state; returns false for chaining.
  bool Trouble(int rc);
  bool Trouble(LibraryProblem problem, const UserText& detail = {});
  LibraryResult Refused();
  // A write that failed with `rc`: taken into the library's state, and refused.
  LibraryResult RefusedFor(int rc);
  int64_t Now() const;
  // Runs `body` inside BEGIN IMMEDIATE ... COMMIT; rolls back when it fails.
  int InTransaction(const std::function<int()>& body);

  std::filesystem::path m_path;
  LibraryOptions m_options;
  sqlite3* m_db = nullptr;
  bool m_readable = false;
  bool m_writable = false;
  // The file's schema is the one this program reads.
  bool m_schemaKnown = false;
  LibraryProblem m_problem = LibraryProblem::kNone;
  UserText m_notice;
  std::string m_message;  // EnglishText(m_notice)
  bool m_noticeGiven = false;
};

// Why a setup cannot have this name, or "" when it can. A name must be
// addressable on the command line: not empty, not digits alone (an id), not
// "device", no control characters, no blanks at either end.
UserText SetupNameProblemText(const std::string& name);
// The same, in English.
std::string SetupNameProblem(const std::string& name);

// What the window and the command-line tool call after every completed first
// read of a full controller: keeps its running log as one entry. A library
// that cannot be used refuses it as every other call (the caller shows the
// library's notice, as for the snapshots).
LibraryResult RecordRunLog(Library& library, const SettingsBlock& settings, const std::string& software);

}  // namespace vuriru
