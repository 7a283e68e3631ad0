// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library.h"

#include <cctype>
#include <chrono>
#include <system_error>
#include <unistd.h>

#include "library/library_rows.h"
#include "library/library_schema.h"
#include "library/sqlite_statement.h"

namespace vuriru {

namespace {

constexpr size_t kLongestSetupName = 100;

UserText NoSuchSetup(const std::string& name) {
  return UserText(VURIRU_TEXT("Messages", "there is no setup named \"%1\"; 'setup list' lists them"), {name});
}

}  // namespace

UserText SetupNameProblemText(const std::string& name) {
  if (name.empty()) return VURIRU_TEXT("Messages", "a setup needs a name");
  if (name.size() > kLongestSetupName) {
    return UserText(VURIRU_TEXT("Messages", "a setup's name is at most %1 bytes"), {std::to_string(kLongestSetupName)});
  }
  bool digitsOnly = true;
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F) return VURIRU_TEXT("Messages", "a setup's name holds no control characters");
    digitsOnly = digitsOnly && c >= '0' && c <= '9';
  }
  if (digitsOnly) {
    return UserText(
        VURIRU_TEXT("Messages", "\"%1\" would be read as a snapshot id; give the setup a name with a letter in it"),
        {name});
  }
  if (name == "device") {
    return VURIRU_TEXT("Messages", "\"device\" stands for the attached controller; give the setup another name");
  }
  if (name.front() == ' ' || name.back() == ' ') {
    return VURIRU_TEXT("Messages", "a setup's name neither starts nor ends with a blank");
  }
  return {};
}

std::string SetupNameProblem(const std::string& name) {
  return EnglishText(SetupNameProblemText(name));
}

Library::Library(std::filesystem::path path, LibraryOptions options)
    : m_path(std::move(path)), m_options(std::move(options)) {
  if (m_path.empty()) return;
  Open();
}

Library::~Library() {
  sqlite3_close_v2(m_db);
}

void Library::Open() {
  std::error_code error;
  const std::filesystem::path folder = m_path.parent_path();
  if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
    std::filesystem::create_directories(folder, error);
    if (error) {
      Trouble(LibraryProblem::kCannotOpen,
              UserText(VURIRU_TEXT("Messages", "its folder cannot be made: %1"), {error.message()}));
      return;
    }
  }
  const char* vfs = m_options.vfs.empty() ? nullptr : m_options.vfs.c_str();
  const int rc = sqlite3_open_v2(m_path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, vfs);
  const bool exists = std::filesystem::exists(m_path, error);
  if (rc == SQLITE_OK && sqlite3_db_readonly(m_db, "main") != 1) {
    m_readable = true;
    m_writable = true;
    Configure();
    CheckAndMigrate();
    return;
  }
  const std::string detail = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
  sqlite3_close_v2(m_db);
  m_db = nullptr;
  if (!exists) {
    // Nothing to read, and no file can be made: most likely a folder that
    // cannot be written.
    Trouble(access(folder.empty() ? "." : folder.c_str(), W_OK) != 0 ? LibraryProblem::kReadOnly
                                                                     : LibraryProblem::kCannotOpen,
            detail);
    return;
  }
  // A file that cannot be written may still be read.
  Trouble(LibraryProblem::kReadOnly);
  if (OpenReadOnly()) {
    m_readable = true;
    CheckAndMigrate();
  }
}

bool Library::OpenReadOnly() {
  // The path as a URI, so that the read-only options can follow it.
  std::string uri = "file:";
  for (unsigned char c : m_path.string()) {
    if (std::isalnum(c) || c == '/' || c == '.' || c == '_' || c == '-' || c == '~') {
      uri += static_cast<char>(c);
    } else {
      static const char* const kHex = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 0xF];
    }
  }
  const char* vfs = m_options.vfs.empty() ? nullptr : m_options.vfs.c_str();
  // A library kept with write-ahead logging needs its shared-memory file to
  // be read; where that file is missing and cannot be made (a read-only
  // folder), the file is read as it stands, as nobody can be writing it.
  for (const char* options : {"?mode=ro", "?mode=ro&immutable=1"}) {
    const std::string name = uri + options;
    if (sqlite3_open_v2(name.c_str(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, vfs) == SQLITE_OK) {
      Configure();
      SqliteStatement probe(m_db, "SELECT count(*) FROM sqlite_schema");
      const int rc = probe.Step();
      if (rc == SQLITE_ROW) return true;
      const LibraryProblem problem = ProblemOfSqliteResult(rc);
      if (problem != LibraryProblem::kReadOnly && problem != LibraryProblem::kCannotOpen) {
        // Damaged or locked: said as such, and not read at all.
        m_problem = LibraryProblem::kNone;
        Trouble(rc);
        return false;
      }
    }
    sqlite3_close_v2(m_db);
    m_db = nullptr;
  }
  m_readable = false;
  return false;
}

void Library::Configure() {
  sqlite3_extended_result_codes(m_db, 1);
  sqlite3_busy_timeout(m_db, m_options.busyTimeoutMs);
}

bool Library::CheckAndMigrate() {
  if (!CheckAndMigrateSchema()) {
    // A file whose schema was not seen to be this program's is not read.
    if (!m_schemaKnown || !ProblemLeavesReading(m_problem)) m_readable = false;
    return false;
  }
  return true;
}

bool Library::CheckAndMigrateSchema() {
  // The first read of the file: a damaged or foreign file shows here, before
  // anything is written to it. The statements end before the journal mode
  // changes, which no open read may span.
  int64_t objectCount = 0;
  int64_t applicationId = 0;
  {
    SqliteStatement objects(m_db, "SELECT count(*) FROM sqlite_schema");
    const int rc = objects.Step();
    if (rc != SQLITE_ROW) return Trouble(rc);
    objectCount = objects.Int(0);
  }
  {
    SqliteStatement application(m_db, "PRAGMA application_id");
    const int rc = application.Step();
    if (rc != SQLITE_ROW) return Trouble(rc);
    applicationId = application.Int(0);
  }
  if (objectCount > 0 && applicationId != kLibraryApplicationId) return Trouble(LibraryProblem::kNotALibrary);
  const int version = ReadSchemaVersion(m_db);
  if (version < 0) return Trouble(-version);
  if (version > LatestLibraryVersion()) return Trouble(LibraryProblem::kNewer);

  m_schemaKnown = version == LatestLibraryVersion();
  if (m_writable) {
    SqliteStatement wal(m_db, "PRAGMA journal_mode = WAL");
    const int rc = wal.Step();
    if (rc != SQLITE_ROW) return Trouble(rc);
  }
  if (m_schemaKnown) return true;
  // An older schema is only read once it has been brought up to date.
  if (!m_writable) return false;
  const int rc = MigrateLibrary(m_db);
  if (rc != SQLITE_OK) return Trouble(rc);
  m_schemaKnown = true;
  return true;
}

bool Library::Trouble(int rc) {
  LibraryProblem problem = ProblemOfSqliteResult(rc);
  if (problem == LibraryProblem::kNone) problem = LibraryProblem::kCannotOpen;
  return Trouble(problem, UserText("%1", {sqlite3_errstr(rc)}));
}

bool Library::Trouble(LibraryProblem problem, const UserText& detail) {
  m_writable = false;
  if (!ProblemLeavesReading(problem)) m_readable = false;
  if (m_problem == LibraryProblem::kNone) {
    m_problem = problem;
    m_notice = LibraryProblemNotice(problem, m_path, detail);
    m_message = EnglishText(m_notice);
  }
  return false;
}

std::optional<std::string> Library::TakeNotice() {
  if (m_problem == LibraryProblem::kNone || m_noticeGiven) return std::nullopt;
  m_noticeGiven = true;
  return m_message;
}

LibraryResult Library::RefusedFor(int rc) {
  Trouble(rc);
  return Refused();
}

LibraryResult Library::Refused() {
  return LibraryResult::Refusal(
      LibraryRefusal::kLibrary,
      m_notice.empty() ? UserText(VURIRU_TEXT("Messages", "the settings library is off")) : m_notice);
}

int64_t Library::Now() const {
  if (m_options.clockMs) return m_options.clockMs();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

int Library::InTransaction(const std::function<int()>& body) {
  int rc = ExecuteSql(m_db, "BEGIN IMMEDIATE");
  if (rc != SQLITE_OK) return rc;
  rc = body();
  if (rc == SQLITE_OK || rc == SQLITE_DONE) rc = ExecuteSql(m_db, "COMMIT");
  if (rc != SQLITE_OK) ExecuteSql(m_db, "ROLLBACK");
  return rc;
}

LibraryResult Library::RecordSnapshot(const ControllerRecord& record, SnapshotReason reason) {
  if (!m_writable) return Refused();
  const std::optional<RecordColumns> columns = EncodeRecordColumns(record);
  if (!columns) {
    return LibraryResult::Refusal(
        LibraryRefusal::kBadRecord,
        UserText(VURIRU_TEXT("Messages", "a \"%1\" controller's record cannot be kept"), {record.kind}));
  }
  LibraryResult result;
  const int64_t now = Now();
  const int rc = InTransaction([&] {
    SqliteStatement newest(m_db, std::string("SELECT ") + kSnapshotColumns +
                                     " FROM snapshots WHERE kind = ?1 AND software = ?2 ORDER BY id DESC LIMIT 1");
    newest.Bind(1, record.kind);
    newest.Bind(2, record.software);
    int step = newest.Step();
    if (step == SQLITE_ROW) {
      const std::optional<RecordColumns> held = ReadRecordColumns(newest, kSnapshotRecordAt);
      if (held && *held == *columns) {
        result.id = newest.Int(0);
        result.counted = true;
        SqliteStatement count(m_db,
                              "UPDATE snapshots SET seen_count = seen_count + 1, last_seen_at = ?1 WHERE id = ?2");
        count.Bind(1, now);
        count.Bind(2, result.id);
        return count.Step();
      }
    } else if (step != SQLITE_DONE) {
      return step;
    }
    SqliteStatement insert(
        m_db,
        "INSERT INTO snapshots (taken_at, last_seen_at, seen_count, reason, kind, software, adapter, "
        "program, settings, battery_min_dv, esc_max_c, motor_max_c, motor_max_krpm, boost_curve, "
        "brake_curve, throttle_curve) VALUES (?1, ?1, 1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, "
        "?12, ?13, ?14)");
    insert.Bind(1, now);
    insert.Bind(2, std::string_view(ReasonText(reason)));
    insert.Bind(3, record.kind);
    insert.Bind(4, record.software);
    insert.Bind(5, record.adapter);
    insert.Bind(6, m_options.program);
    BindRecordColumns(insert, 7, *columns);
    step = insert.Step();
    result.id = sqlite3_last_insert_rowid(m_db);
    return step;
  });
  if (rc != SQLITE_OK) return RefusedFor(rc);
  result.ok = true;
  return result;
}

std::vector<SnapshotInfo> Library::ListSnapshots(size_t limit) {
  std::vector<SnapshotInfo> infos;
  if (!m_readable) return infos;
  SqliteStatement select(m_db, std::string("SELECT ") + kSnapshotColumns + " FROM snapshots ORDER BY id DESC LIMIT ?1");
  select.Bind(1, limit == 0 ? int64_t{-1} : static_cast<int64_t>(limit));
  int rc = SQLITE_OK;
  while ((rc = select.Step()) == SQLITE_ROW) {
    if (std::optional<SnapshotInfo> info = ReadSnapshotInfo(select)) infos.push_back(std::move(*info));
  }
  if (rc != SQLITE_DONE) Trouble(rc);
  return infos;
}

size_t Library::SnapshotCount() {
  if (!m_readable) return 0;
  SqliteStatement count(m_db, "SELECT count(*) FROM snapshots");
  const int rc = count.Step();
  if (rc != SQLITE_ROW) {
    Trouble(rc);
    return 0;
  }
  return static_cast<size_t>(count.Int(0));
}

std::optional<Snapshot> Library::GetSnapshot(int64_t id, UserText* why) {
  const auto fail = [&](UserText text) -> std::optional<Snapshot> {
    if (why != nullptr) *why = std::move(text);
    return std::nullopt;
  };
  if (!m_readable) return fail(Refused().text);
  SqliteStatement select(m_db, std::string("SELECT ") + kSnapshotColumns + " FROM snapshots WHERE id = ?1");
  select.Bind(1, id);
  const int rc = select.Step();
  if (rc == SQLITE_DONE) {
    return fail(
        UserText(VURIRU_TEXT("Messages", "there is no snapshot %1; 'history' lists them"), {std::to_string(id)}));
  }
  if (rc != SQLITE_ROW) {
    Trouble(rc);
    return fail(Refused().text);
  }
  std::optional<Snapshot> snapshot = ReadSnapshot(select);
  if (!snapshot) {
    return fail(UserText(VURIRU_TEXT("Messages", "snapshot %1 is damaged in the library and cannot be read"),
                         {std::to_string(id)}));
  }
  return snapshot;
}

LibraryResult Library::SaveSetup(const std::string& name, const std::string& note, const EscData& data,
                                 const std::string& software, bool replace) {
  if (UserText problem = SetupNameProblemText(name); !problem.empty()) {
    return LibraryResult::Refusal(LibraryRefusal::kBadName, std::move(problem));
  }
  if (!m_writable) return Refused();
  const std::optional<RecordColumns> columns = EncodeRecordColumns(FullControllerRecord(data, software, ""));
  LibraryResult result;
  bool exists = false;
  const int64_t now = Now();
  const int rc = InTransaction([&] {
    SqliteStatement find(m_db, "SELECT id FROM setups WHERE name = ?1");
    find.Bind(1, name);
    int step = find.Step();
    if (step == SQLITE_ROW) {
      exists = true;
      result.id = find.Int(0);
      if (!replace) return SQLITE_OK;
      SqliteStatement update(m_db,
                             "UPDATE setups SET note = ?1, software = ?2, changed_at = ?3, settings = ?4, "
                             "battery_min_dv = ?5, esc_max_c = ?6, motor_max_c = ?7, motor_max_krpm = ?8, "
                             "boost_curve = ?9, brake_curve = ?10, throttle_curve = ?11 WHERE id = ?12");
      update.Bind(1, note);
      update.Bind(2, software);
      update.Bind(3, now);
      BindRecordColumns(update, 4, *columns);
      update.Bind(12, result.id);
      return update.Step();
    }
    if (step != SQLITE_DONE) return step;
    SqliteStatement insert(m_db,
                           "INSERT INTO setups (name, note, software, created_at, changed_at, settings, "
                           "battery_min_dv, esc_max_c, motor_max_c, motor_max_krpm, boost_curve, brake_curve, "
                           "throttle_curve) VALUES (?1, ?2, ?3, ?4, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)");
    insert.Bind(1, name);
    insert.Bind(2, note);
    insert.Bind(3, software);
    insert.Bind(4, now);
    BindRecordColumns(insert, 5, *columns);
    step = insert.Step();
    result.id = sqlite3_last_insert_rowid(m_db);
    return step;
  });
  if (rc != SQLITE_OK) return RefusedFor(rc);
  if (exists && !replace) {
    return LibraryResult::Refusal(
        LibraryRefusal::kNameTaken,
        UserText(VURIRU_TEXT("Messages", "a setup named \"%1\" exists already; choose another name, or replace it"),
                 {name}),
        result.id);
  }
  result.ok = true;
  return result;
}

LibraryResult Library::RenameSetup(const std::string& from, const std::string& to) {
  if (UserText problem = SetupNameProblemText(to); !problem.empty()) {
    return LibraryResult::Refusal(LibraryRefusal::kBadName, std::move(problem));
  }
  if (!m_writable) return Refused();
  LibraryResult result;
  UserText refusal;
  LibraryRefusal why = LibraryRefusal::kNone;
  const int rc = InTransaction([&] {
    SqliteStatement taken(m_db, "SELECT id FROM setups WHERE name = ?1");
    taken.Bind(1, to);
    int step = taken.Step();
    if (step == SQLITE_ROW && from != to) {
      refusal = UserText(VURIRU_TEXT("Messages", "a setup named \"%1\" exists already; choose another name"), {to});
      why = LibraryRefusal::kNameTaken;
      return SQLITE_OK;
    }
    if (step != SQLITE_ROW && step != SQLITE_DONE) return step;
    SqliteStatement rename(m_db, "UPDATE setups SET name = ?1, changed_at = ?2 WHERE name = ?3 RETURNING id");
    rename.Bind(1, to);
    rename.Bind(2, Now());
    rename.Bind(3, from);
    step = rename.Step();
    if (step == SQLITE_DONE) {
      refusal = NoSuchSetup(from);
      why = LibraryRefusal::kNotFound;
      return SQLITE_OK;
    }
    if (step != SQLITE_ROW) return step;
    result.id = rename.Int(0);
    return rename.Step();
  });
  if (rc != SQLITE_OK) return RefusedFor(rc);
  if (!refusal.empty()) return LibraryResult::Refusal(why, refusal);
  result.ok = true;
  return result;
}

LibraryResult Library::DeleteSetup(const std::string& name) {
  if (!m_writable) return Refused();
  LibraryResult result;
  const int rc = InTransaction([&] {
    SqliteStatement remove(m_db, "DELETE FROM setups WHERE name = ?1 RETURNING id");
    remove.Bind(1, name);
    const int step = remove.Step();
    if (step != SQLITE_ROW) return step;
    result.id = remove.Int(0);
    return remove.Step();
  });
  if (rc != SQLITE_OK) return RefusedFor(rc);
  if (result.id == 0) {
    return LibraryResult::Refusal(LibraryRefusal::kNotFound, NoSuchSetup(name));
  }
  result.ok = true;
  return result;
}

std::vector<SetupInfo> Library::ListSetups() {
  std::vector<SetupInfo> infos;
  if (!m_readable) return infos;
  SqliteStatement select(m_db,
                         std::string("SELECT ") + kSetupColumns + " FROM setups ORDER BY changed_at DESC, id DESC");
  int rc = SQLITE_OK;
  while ((rc = select.Step()) == SQLITE_ROW) {
    if (std::optional<SetupInfo> info = ReadSetupInfo(select)) infos.push_back(std::move(*info));
  }
  if (rc != SQLITE_DONE) Trouble(rc);
  return infos;
}

std::optional<NamedSetup> Library::GetSetup(const std::string& name, UserText* why) {
  const auto fail = [&](UserText text) -> std::optional<NamedSetup> {
    if (why != nullptr) *why = std::move(text);
    return std::nullopt;
  };
  if (!m_readable) return fail(Refused().text);
  SqliteStatement select(m_db, std::string("SELECT ") + kSetupColumns + " FROM setups WHERE name = ?1");
  select.Bind(1, name);
  const int rc = select.Step();
  if (rc == SQLITE_DONE) return fail(NoSuchSetup(name));
  if (rc != SQLITE_ROW) {
    Trouble(rc);
    return fail(Refused().text);
  }
  std::optional<NamedSetup> setup = ReadSetup(select);
  if (!setup) {
    return fail(
        UserText(VURIRU_TEXT("Messages", "the setup \"%1\" is damaged in the library and cannot be read"), {name}));
  }
  return setup;
}

}  // namespace vuriru
