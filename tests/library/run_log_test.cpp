// SPDX-License-Identifier: GPL-3.0-or-later
// The running log over time in the library: an entry per run with its own
// ids, equal runs kept apart, the newest N oldest first, notes, the limits
// of a plausible reading, rows the file damaged, and a file from before the
// table existed.

#include "library/run_log.h"

#include <cmath>
#include <sqlite3.h>

#include <gtest/gtest.h>

#include "library/library.h"
#include "library/library_fixture.h"
#include "library/library_schema.h"

namespace vuriru {
namespace {

using testing::LibraryFolder;

SettingsBlock BlockWith(uint32_t dv, uint32_t esc, uint32_t motor, uint32_t krpm) {
  SettingsBlock block;
  LoadFactorySettings(block);
  block.Log(RunningLog::BatteryMinVoltage) = dv;
  block.Log(RunningLog::EscMaxTemp) = esc;
  block.Log(RunningLog::MotorMaxTemp) = motor;
  block.Log(RunningLog::MotorMaxRpm) = krpm;
  return block;
}

RunLogBytes Bytes(uint8_t dv, uint8_t esc, uint8_t motor, uint8_t krpm) {
  return {dv, esc, motor, krpm};
}

void Exec(const std::filesystem::path& file, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

TEST(RunLogEntryValues, ComeFromTheBytesInTheirUnits) {
  SettingsBlock block = BlockWith(72, 68, 81, 42);
  block.Current(Setting::VoltageCutoff) = 34;
  block.Current(Setting::EscHeatProtect) = 2;
  const RunLogEntry entry = RunLogEntryOf(block, "V3.12_240517", 5);
  EXPECT_EQ(entry.raw, Bytes(72, 68, 81, 42));
  EXPECT_EQ(entry.values.minVoltageV, 7.2);
  EXPECT_EQ(entry.values.maxEscTempC, 68);
  EXPECT_EQ(entry.values.maxMotorTempC, 81);
  EXPECT_EQ(entry.values.maxRpm, 42000);
  EXPECT_TRUE(entry.valid);
  EXPECT_EQ(entry.kind, "full");
  EXPECT_EQ(entry.voltageCutoff, 34);
  EXPECT_EQ(entry.escHeatProtect, 2);
  EXPECT_EQ(RunLogBytesHex(entry.raw), "4844512a");
  // A value no reply byte could carry is held at the byte's top.
  EXPECT_EQ(RunLogEntryOf(BlockWith(72, 68, 81, 420), "").raw[3], 0xFF);
}

TEST(RunLogEntryValues, ArePlausibleOnlyWithinTheLimitsEdgesIncluded) {
  const auto valid = [](uint8_t dv, uint8_t esc, uint8_t motor, uint8_t krpm) {
    return RunLogValuesValid(RunLogValuesOf(Bytes(dv, esc, motor, krpm)));
  };
  EXPECT_TRUE(valid(20, 0, 0, 0));         // 2.0 V, 0 °C, 0 rpm
  EXPECT_TRUE(valid(255, 150, 150, 200));  // 25.5 V, 150 °C, 200 000 rpm
  EXPECT_FALSE(valid(19, 60, 60, 40));     // 1.9 V: a controller that never ran on a battery
  EXPECT_FALSE(valid(0, 0, 0, 0));
  EXPECT_FALSE(valid(74, 151, 60, 40));
  EXPECT_FALSE(valid(74, 60, 151, 40));
  EXPECT_FALSE(valid(74, 60, 60, 201));
  EXPECT_FALSE(valid(0xFF, 0xFF, 0xFF, 0xFF));  // an erased log
  RunLogValues values{7.4, -20, -21, 0};
  EXPECT_FALSE(RunLogValuesValid(values));
  values.maxMotorTempC = -20;
  EXPECT_TRUE(RunLogValuesValid(values));
  values.minVoltageV = 30.1;
  EXPECT_FALSE(RunLogValuesValid(values));
  values.minVoltageV = std::nan("");
  EXPECT_FALSE(RunLogValuesValid(values));
}

class RunLogStore : public LibraryFolder {};

TEST_F(RunLogStore, KeepsEveryRunEvenAnEqualOneWithIdsApartFromTheSnapshots) {
  Library library(File(), Ticking());
  ASSERT_TRUE(library.RecordSnapshot(testing::FullRecord(), SnapshotReason::kRead).ok);
  const SettingsBlock block = BlockWith(72, 68, 81, 42);
  const LibraryResult first = RecordRunLog(library, block, "V3.12_240517");
  const LibraryResult second = RecordRunLog(library, block, "V3.12_240517");
  ASSERT_TRUE(first.ok) << first.message;
  ASSERT_TRUE(second.ok);
  EXPECT_EQ(first.id, 1);
  EXPECT_EQ(second.id, 2);
  EXPECT_FALSE(second.counted);
  EXPECT_EQ(library.SnapshotCount(), 1u);

  const std::vector<RunLogEntry> runs = library.ListRunLog();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].id, 1);
  EXPECT_EQ(runs[0].timeMs, 1'700'000'002'000);  // the library's clock: one tick for the snapshot first
  EXPECT_EQ(runs[1].timeMs, 1'700'000'003'000);
  EXPECT_EQ(runs[0].software, "V3.12_240517");
  EXPECT_EQ(runs[0].raw, Bytes(72, 68, 81, 42));
  EXPECT_EQ(runs[0].values.minVoltageV, 7.2);
  EXPECT_TRUE(runs[0].valid);
  EXPECT_EQ(runs[0].voltageCutoff, block.Current(Setting::VoltageCutoff));
  EXPECT_EQ(runs[0].escHeatProtect, block.Current(Setting::EscHeatProtect));
  EXPECT_EQ(runs[0].note, "");
}

TEST_F(RunLogStore, AnInvalidRunIsKeptWithItsBytesAndItsColumnsSayWhatTheyHold) {
  {
    Library library(File(), Ticking());
    ASSERT_TRUE(RecordRunLog(library, BlockWith(0, 255, 0, 255), "V3.12_240517").ok);
    const std::vector<RunLogEntry> runs = library.ListRunLog();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_FALSE(runs[0].valid);
    EXPECT_EQ(runs[0].raw, Bytes(0, 255, 0, 255));
  }
  // Whoever reads the file with SQL finds the values in their units.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
  sqlite3_stmt* row = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT min_voltage_v, max_esc_temp_c, max_rpm, valid, hex(raw) FROM run_log", -1,
                               &row, nullptr),
            SQLITE_OK);
  ASSERT_EQ(sqlite3_step(row), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_type(row, 0), SQLITE_FLOAT);
  EXPECT_EQ(sqlite3_column_double(row, 0), 0.0);
  EXPECT_EQ(sqlite3_column_int64(row, 1), 255);
  EXPECT_EQ(sqlite3_column_int64(row, 2), 255000);
  EXPECT_EQ(sqlite3_column_int64(row, 3), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(row, 4))), "00FF00FF");
  sqlite3_finalize(row);
  sqlite3_close(db);
}

TEST_F(RunLogStore, ListsTheNewestNOldestFirst) {
  Library library(File(), Ticking());
  for (uint32_t dv = 70; dv < 75; ++dv) ASSERT_TRUE(RecordRunLog(library, BlockWith(dv, 60, 60, 30), "V").ok);
  const std::vector<RunLogEntry> last = library.ListRunLog(2);
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[0].id, 4);
  EXPECT_EQ(last[1].id, 5);
  EXPECT_EQ(library.ListRunLog(9).size(), 5u);
  EXPECT_EQ(library.ListRunLog(0).front().id, 1);
}

TEST_F(RunLogStore, NotesAreSetChangedAndClearedAndRefusedWhereTheyCannotBe) {
  Library library(File(), Ticking());
  ASSERT_TRUE(RecordRunLog(library, BlockWith(72, 68, 81, 42), "V").ok);
  EXPECT_TRUE(library.SetRunLogNote(1, "heat 3, FDR 4.2").ok);
  EXPECT_EQ(library.ListRunLog()[0].note, "heat 3, FDR 4.2");
  EXPECT_TRUE(library.SetRunLogNote(1, "final \"A\"\nwet").ok);
  EXPECT_EQ(library.ListRunLog()[0].note, "final \"A\"\nwet");
  EXPECT_TRUE(library.SetRunLogNote(1, "").ok);
  EXPECT_EQ(library.ListRunLog()[0].note, "");

  const LibraryResult missing = library.SetRunLogNote(7, "x");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.refusal, LibraryRefusal::kNotFound);
  EXPECT_EQ(missing.message, "there is no run 7 in the running log; 'log' lists them");
  const LibraryResult tooLong = library.SetRunLogNote(1, std::string(kLongestRunLogNote + 1, 'x'));
  EXPECT_EQ(tooLong.refusal, LibraryRefusal::kBadNote);
  EXPECT_TRUE(library.SetRunLogNote(1, std::string(kLongestRunLogNote, 'x')).ok);
  // A refused call leaves the library usable.
  EXPECT_TRUE(library.CanWrite());
}

TEST_F(RunLogStore, WithoutALibraryNothingIsKeptAndNothingIsSaid) {
  // The library's troubles (locked, read-only, full disk...) refuse runs as
  // every other change: library_failures_test.cpp.
  Library off{std::filesystem::path()};
  const LibraryResult result = RecordRunLog(off, BlockWith(72, 68, 81, 42), "V");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.refusal, LibraryRefusal::kLibrary);
  EXPECT_TRUE(off.ListRunLog().empty());
  EXPECT_FALSE(off.SetRunLogNote(1, "x").ok);
  EXPECT_FALSE(off.TakeNotice());
}

TEST_F(RunLogStore, DamagedRowsAreLeftOutWholeAndTheRestIsListed) {
  {
    Library library(File(), Ticking());
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(RecordRunLog(library, BlockWith(72, 68, 81, 42), "V").ok);
  }
  Exec(File(),
       "UPDATE run_log SET raw = x'4844' WHERE id = 1;"
       "UPDATE run_log SET kind = x'66' WHERE id = 2;"
       "UPDATE run_log SET voltage_cutoff = 99999999999 WHERE id = 3;");
  Library library(File());
  const std::vector<RunLogEntry> runs = library.ListRunLog();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].id, 4);
}

TEST_F(RunLogStore, AFileOfTheFirstVersionGetsTheTableAndKeepsItsSnapshots) {
  {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(MigrateLibrary(db, LibraryMigrations().first(1)), SQLITE_OK);
    sqlite3_close(db);
  }
  Exec(File(),
       "INSERT INTO setups (name, created_at, changed_at, settings, battery_min_dv, esc_max_c, motor_max_c, "
       "motor_max_krpm, boost_curve, brake_curve, throttle_curve) VALUES ('kept', 1, 1, x'', 0, 0, 0, 0, x'', x'', "
       "x'')");
  Library library(File(), Ticking());
  ASSERT_TRUE(library.CanWrite()) << library.ProblemText();
  EXPECT_TRUE(RecordRunLog(library, BlockWith(72, 68, 81, 42), "V").ok);
  EXPECT_EQ(library.ListRunLog().size(), 1u);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
  EXPECT_EQ(ReadSchemaVersion(db), 2);
  sqlite3_close(db);
  EXPECT_EQ(library.ListSetups().size(), 1u);
}

TEST_F(RunLogStore, AFileOfANewerVersionIsNotTouched) {
  { Library library(File()); }
  Exec(File(), "PRAGMA user_version = 3");
  Library library(File());
  EXPECT_EQ(library.Problem(), LibraryProblem::kNewer);
  EXPECT_FALSE(RecordRunLog(library, BlockWith(72, 68, 81, 42), "V").ok);
}

}  // namespace
}  // namespace vuriru
