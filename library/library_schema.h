// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The library's tables and how a file is brought up to them. The schema's
// version is the file's `PRAGMA user_version`: each migration takes the file
// from the version before it to its own, and all that a file lacks run in one
// transaction, so a file is either migrated whole or left as it was.

#include <span>
#include <sqlite3.h>

namespace vuriru {

// Marks the file as this program's settings library (`PRAGMA application_id`),
// so that another program's database is never taken for one.
inline constexpr int kLibraryApplicationId = 0x56524C4B;

struct LibraryMigration {
  int version;      // the version the file has once this step ran
  const char* sql;  // one or more statements
};

// The program's migrations, oldest first.
std::span<const LibraryMigration> LibraryMigrations();
int LatestLibraryVersion();

// The file's schema version, or SQLite's error code (negated) when it cannot
// be read.
int ReadSchemaVersion(sqlite3* db);

// Runs the steps whose version is above the file's, in one immediate
// transaction that also marks the file as a library. Returns SQLITE_OK, or the
// error after rolling everything back. A file at a version above the last
// step is left alone and gives SQLITE_OK: the caller checks for that first.
int MigrateLibrary(sqlite3* db, std::span<const LibraryMigration> migrations = LibraryMigrations());

}  // namespace vuriru
