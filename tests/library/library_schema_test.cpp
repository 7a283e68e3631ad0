// SPDX-License-Identifier: GPL-3.0-or-later
// The schema's versions: a new file gets the latest, an older one is brought
// up in one transaction keeping its rows, and a failed step leaves the file
// as it was.

#include "library/library_schema.h"

#include <array>
#include <sqlite3.h>
#include <string>

#include <gtest/gtest.h>

#include "library/library.h"
#include "library/library_fixture.h"

namespace vuriru {
namespace {

using testing::LibraryFolder;

class Connection {
 public:
  explicit Connection(const std::filesystem::path& path) { sqlite3_open(path.c_str(), &m_db); }
  ~Connection() { sqlite3_close(m_db); }
  sqlite3* Db() { return m_db; }
  int64_t Number(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    const int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
    sqlite3_finalize(statement);
    return value;
  }
  std::string Text(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    std::string value;
    if (sqlite3_step(statement) == SQLITE_ROW) value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return value;
  }

 private:
  sqlite3* m_db = nullptr;
};

class LibrarySchema : public LibraryFolder {};

TEST_F(LibrarySchema, ANewLibraryHasTheLatestVersionItsMarkAndWriteAheadLogging) {
  { Library library(File()); }
  Connection db(File());
  EXPECT_EQ(db.Number("PRAGMA user_version"), LatestLibraryVersion());
  EXPECT_EQ(db.Number("PRAGMA application_id"), kLibraryApplicationId);
  EXPECT_EQ(db.Text("PRAGMA journal_mode"), "wal");
}

TEST_F(LibrarySchema, ALaterStepRunsOverAnOlderLibraryKeepingItsRows) {
  {
    Library library(File(), Ticking());
    ASSERT_TRUE(library.RecordSnapshot(testing::FullRecord(), SnapshotReason::kRead).ok);
  }
  const std::array<LibraryMigration, 2> steps{{
      LibraryMigrations()[0],
      {LatestLibraryVersion() + 1, "ALTER TABLE snapshots ADD COLUMN label TEXT NOT NULL DEFAULT ''"},
  }};
  Connection db(File());
  ASSERT_EQ(MigrateLibrary(db.Db(), steps), SQLITE_OK);
  EXPECT_EQ(db.Number("PRAGMA user_version"), LatestLibraryVersion() + 1);
  EXPECT_EQ(db.Number("SELECT count(*) FROM snapshots WHERE label = ''"), 1);
  // Steps already run are not run again.
  EXPECT_EQ(MigrateLibrary(db.Db(), steps), SQLITE_OK);
}

TEST_F(LibrarySchema, AFailedStepLeavesTheFileAtItsVersionWithNothingHalfDone) {
  Connection db(File());
  const std::array<LibraryMigration, 2> steps{{
      LibraryMigrations()[0],
      {LatestLibraryVersion() + 1, "CREATE TABLE extra (x); THIS IS NOT SQL"},
  }};
  EXPECT_NE(MigrateLibrary(db.Db(), steps), SQLITE_OK);
  EXPECT_EQ(db.Number("PRAGMA user_version"), 0);
  EXPECT_EQ(db.Number("SELECT count(*) FROM sqlite_schema"), 0);
  EXPECT_EQ(db.Number("PRAGMA application_id"), 0);
}

TEST_F(LibrarySchema, AnEmptyFileBecomesALibrary) {
  testing::WriteBytes(File(), {});
  Library library(File());
  EXPECT_TRUE(library.CanWrite()) << library.ProblemText();
}

}  // namespace
}  // namespace vuriru
