// SPDX-License-Identifier: GPL-3.0-or-later
// The running log's table in the library: keeping an entry, listing them,
// and changing an entry's note.

#include <limits>

#include "library/library.h"
#include "library/sqlite_statement.h"

namespace vuriru {

namespace {

constexpr const char* kRunLogColumns = "id, recorded_at, kind, software, raw, voltage_cutoff, esc_heat_protect, note";

UserText NoteProblem(const std::string& note) {
  if (note.size() > kLongestRunLogNote) {
    return UserText(VURIRU_TEXT("Messages", "a run's note is at most %1 bytes"), {std::to_string(kLongestRunLogNote)});
  }
  return {};
}

std::optional<int32_t> IndexColumn(const SqliteStatement& row, int column) {
  if (row.Type(column) != SQLITE_INTEGER) return std::nullopt;
  const int64_t value = row.Int(column);
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

// An entry from its row, with every column's type and the bytes' length
// checked; the values and their validity follow from the bytes.
std::optional<RunLogEntry> ReadRunLogEntry(const SqliteStatement& row) {
  if (row.Type(0) != SQLITE_INTEGER || row.Type(1) != SQLITE_INTEGER || row.Type(2) != SQLITE_TEXT ||
      row.Type(3) != SQLITE_TEXT || row.Type(4) != SQLITE_BLOB) {
    return std::nullopt;
  }
  const std::vector<uint8_t> raw = row.Blob(4);
  const std::optional<int32_t> cutoff = IndexColumn(row, 5);
  const std::optional<int32_t> heat = IndexColumn(row, 6);
  const int noteType = row.Type(7);
  if (raw.size() != kRunningLogCount || !cutoff || !heat || (noteType != SQLITE_TEXT && noteType != SQLITE_NULL)) {
    return std::nullopt;
  }
  RunLogEntry entry;
  entry.id = row.Int(0);
  entry.timeMs = row.Int(1);
  entry.kind = row.Text(2);
  entry.software = row.Text(3);
  std::copy(raw.begin(), raw.end(), entry.raw.begin());
  entry.values = RunLogValuesOf(entry.raw);
  entry.valid = RunLogValuesValid(entry.values);
  entry.voltageCutoff = *cutoff;
  entry.escHeatProtect = *heat;
  if (noteType == SQLITE_TEXT) entry.note = row.Text(7);
  return entry;
}

}  // namespace

LibraryResult Library::RecordRunLog(const RunLogEntry& entry) {
  if (UserText problem = NoteProblem(entry.note); !problem.empty()) {
    return LibraryResult::Refusal(LibraryRefusal::kBadNote, std::move(problem));
  }
  if (!m_writable) return Refused();
  // The stored columns follow from the bytes, whatever the entry says.
  const RunLogValues values = RunLogValuesOf(entry.raw);
  LibraryResult result;
  const int rc = InTransaction([&] {
    SqliteStatement insert(m_db,
                           "INSERT INTO run_log (recorded_at, kind, software, raw, min_voltage_v, max_esc_temp_c, "
                           "max_motor_temp_c, max_rpm, valid, voltage_cutoff, esc_heat_protect, note) VALUES (?1, ?2, "
                           "?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)");
    insert.Bind(1, entry.timeMs != 0 ? entry.timeMs : Now());
    insert.Bind(2, entry.kind);
    insert.Bind(3, entry.software);
    insert.Bind(4, std::span<const uint8_t>(entry.raw));
    insert.BindReal(5, values.minVoltageV);
    insert.Bind(6, static_cast<int64_t>(values.maxEscTempC));
    insert.Bind(7, static_cast<int64_t>(values.maxMotorTempC));
    insert.Bind(8, static_cast<int64_t>(values.maxRpm));
    insert.Bind(9, int64_t{RunLogValuesValid(values) ? 1 : 0});
    insert.Bind(10, int64_t{entry.voltageCutoff});
    insert.Bind(11, int64_t{entry.escHeatProtect});
    insert.Bind(12, entry.note);
    const int step = insert.Step();
    result.id = sqlite3_last_insert_rowid(m_db);
    return step;
  });
  if (rc != SQLITE_OK) return RefusedFor(rc);
  result.ok = true;
  return result;
}

std::vector<RunLogEntry> Library::ListRunLog(size_t last) {
  std::vector<RunLogEntry> entries;
  if (!m_readable) return entries;
  SqliteStatement select(m_db, std::string("SELECT ") + kRunLogColumns + " FROM (SELECT " + kRunLogColumns +
                                   " FROM run_log ORDER BY id DESC LIMIT ?1) ORDER BY id ASC");
  select.Bind(1, last == 0 ? int64_t{-1} : static_cast<int64_t>(last));
  int rc = SQLITE_OK;
  while ((rc = select.Step()) == SQLITE_ROW) {
    if (std::optional<RunLogEntry> entry = ReadRunLogEntry(select)) entries.push_back(std::move(*entry));
  }
  if (rc != SQLITE_DONE) Trouble(rc);
  return entries;
}

LibraryResult Library::SetRunLogNote(int64_t id, const std::string& note) {
  if (UserText problem = NoteProblem(note); !problem.empty()) {
    return LibraryResult::Refusal(LibraryRefusal::kBadNote, std::move(problem));
  }
  if (!m_writable) return Refused();
  LibraryResult result;
  const int rc = InTransaction([&] {
    SqliteStatement update(m_db, "UPDATE run_log SET note = ?1 WHERE id = ?2 RETURNING id");
    update.Bind(1, note);
    update.Bind(2, id);
    const int step = update.Step();
    if (step != SQLITE_ROW) return step;
    result.id = update.Int(0);
    return update.Step();
  });
  if (rc != SQLITE_OK) return RefusedFor(rc);
  if (result.id == 0) {
    return LibraryResult::Refusal(
        LibraryRefusal::kNotFound,
        UserText(VURIRU_TEXT("Messages", "there is no run %1 in the running log; 'log' lists them"),
                 {std::to_string(id)}));
  }
  result.ok = true;
  return result;
}

LibraryResult RecordRunLog(Library& library, const SettingsBlock& settings, const std::string& software) {
  return library.RecordRunLog(RunLogEntryOf(settings, software));
}

}  // namespace vuriru
