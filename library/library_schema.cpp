// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_schema.h"

#include <array>
#include <string>

#include "library/sqlite_statement.h"

namespace vuriru {

namespace {

// Version 1: snapshots and setups. A snapshot's ids are its own; they never
// repeat, even after a row is gone. The index finds the newest snapshot of
// a kind and software version, which a new snapshot is compared with.
constexpr const char* kVersion1 = R"sql(
CREATE TABLE snapshots (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  taken_at INTEGER NOT NULL,
  last_seen_at INTEGER NOT NULL,
  seen_count INTEGER NOT NULL DEFAULT 1,
  reason TEXT NOT NULL,
  kind TEXT NOT NULL,
  software TEXT NOT NULL,
  adapter TEXT NOT NULL,
  program TEXT NOT NULL,
  settings BLOB NOT NULL,
  battery_min_dv INTEGER,
  esc_max_c INTEGER,
  motor_max_c INTEGER,
  motor_max_krpm INTEGER,
  boost_curve BLOB,
  brake_curve BLOB,
  throttle_curve BLOB
);
CREATE INDEX snapshots_by_controller ON snapshots (kind, software, id);
CREATE TABLE setups (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT NOT NULL UNIQUE,
  note TEXT NOT NULL DEFAULT '',
  software TEXT NOT NULL DEFAULT '',
  created_at INTEGER NOT NULL,
  changed_at INTEGER NOT NULL,
  settings BLOB NOT NULL,
  battery_min_dv INTEGER NOT NULL,
  esc_max_c INTEGER NOT NULL,
  motor_max_c INTEGER NOT NULL,
  motor_max_krpm INTEGER NOT NULL,
  boost_curve BLOB NOT NULL,
  brake_curve BLOB NOT NULL,
  throttle_curve BLOB NOT NULL
);
)sql";

// Version 2: the running log over time, apart from the snapshots, with ids
// of its own. `raw` holds reply bytes 27 to 30 as the controller sent them;
// the columns in physical units and `valid` repeat them for readers of the
// file, and the program reads the bytes. The two option indexes are the
// VOLTAGE CUTOFF and ESC HEAT PROTECT read with the log.
constexpr const char* kVersion2 = R"sql(
CREATE TABLE run_log (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  recorded_at INTEGER NOT NULL,
  kind TEXT NOT NULL,
  software TEXT NOT NULL,
  raw BLOB NOT NULL,
  min_voltage_v REAL NOT NULL,
  max_esc_temp_c INTEGER NOT NULL,
  max_motor_temp_c INTEGER NOT NULL,
  max_rpm INTEGER NOT NULL,
  valid INTEGER NOT NULL,
  voltage_cutoff INTEGER NOT NULL,
  esc_heat_protect INTEGER NOT NULL,
  note TEXT NOT NULL DEFAULT ''
);
)sql";

constexpr std::array<LibraryMigration, 2> kMigrations{{
    {1, kVersion1},
    {2, kVersion2},
}};

}  // namespace

std::span<const LibraryMigration> LibraryMigrations() {
  return kMigrations;
}

int LatestLibraryVersion() {
  return kMigrations.back().version;
}

int ReadSchemaVersion(sqlite3* db) {
  SqliteStatement statement(db, "PRAGMA user_version");
  const int rc = statement.Step();
  if (rc != SQLITE_ROW) return rc == SQLITE_DONE ? -SQLITE_ERROR : -rc;
  return static_cast<int>(statement.Int(0));
}

int MigrateLibrary(sqlite3* db, std::span<const LibraryMigration> migrations) {
  int rc = ExecuteSql(db, "BEGIN IMMEDIATE");
  if (rc != SQLITE_OK) return rc;
  // Read again inside the transaction: another program may have migrated
  // the file in the meantime.
  const int version = ReadSchemaVersion(db);
  if (version < 0) rc = -version;
  int reached = version;
  for (const LibraryMigration& step : migrations) {
    if (rc != SQLITE_OK) break;
    if (step.version <= version) continue;
    rc = ExecuteSql(db, step.sql);
    reached = step.version;
  }
  if (rc == SQLITE_OK && reached != version) {
    // PRAGMA takes no parameters; both values are numbers of ours.
    const std::string mark = "PRAGMA user_version = " + std::to_string(reached) +
                             "; PRAGMA application_id = " + std::to_string(kLibraryApplicationId);
    rc = ExecuteSql(db, mark.c_str());
  }
  if (rc == SQLITE_OK) rc = ExecuteSql(db, "COMMIT");
  if (rc != SQLITE_OK) ExecuteSql(db, "ROLLBACK");
  return rc;
}

}  // namespace vuriru
