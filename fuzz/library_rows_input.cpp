// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of the settings library as a file may hold them: any column of any
// type and size. The rows are put into a library's tables (SQLite in
// memory, the library's own schema) and read back by the library's readers;
// a row they take must be one they could have written.
//
// Input: a byte choosing the sound record columns stand-ins are taken from
// (even: a full controller's, odd: a V1 controller's), then rows while bytes
// last: a byte choosing the table (even: snapshots, odd: setups), then per
// column a byte choosing its value: 0 NULL, 1 an integer (8 bytes), 2 a text
// (a length byte, then the bytes), 3 a blob (a length byte, then the bytes),
// 4 the sound value.

#include <sqlite3.h>
#include <string>
#include <vector>

#include "fuzz/entry_points.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "library/library_rows.h"
#include "library/library_schema.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru::fuzz {
namespace {

constexpr int kSnapshotColumnCount = 17;
constexpr int kSetupColumnCount = 14;
constexpr int kMostRows = 8;

struct Value {
  int type = SQLITE_NULL;
  int64_t integer = 0;
  std::vector<uint8_t> bytes;
};

Value Integer(int64_t value) {
  return {SQLITE_INTEGER, value, {}};
}
Value Text(const std::string& text) {
  return {SQLITE_TEXT, 0, std::vector<uint8_t>(text.begin(), text.end())};
}
Value Blob(const std::vector<uint8_t>& bytes) {
  return {SQLITE_BLOB, 0, bytes};
}

ControllerRecord SoundRecord(bool v1) {
  if (v1) {
    V1SettingsBlock block = V1FactoryBlock(kV1BecShown);
    block[V1Setting::MotorTiming] = 3;
    return V1ControllerRecord(block, "v1-bec", "V1.05_190308", "V2.05_23114");
  }
  EscData data;
  LoadFactorySettings(data.settings);
  data.settings.Current(Setting::RunMode) = 1;
  data.settings.Log(RunningLog::MotorMaxRpm) = 420;
  data.throttleCurve.x[1] = 30;
  data.throttleCurve.y[1] = 50;
  data.throttleCurve.x[2] = 100;
  data.throttleCurve.y[2] = 100;
  return FullControllerRecord(data, "V3.12_240517", "V2.05_23114");
}

std::vector<Value> RecordValues(const RecordColumns& columns) {
  std::vector<Value> values = {Blob(columns.settings)};
  for (size_t i = 0; i < kRunningLogCount; ++i) {
    values.push_back(columns.runningLog ? Integer((*columns.runningLog)[i]) : Value{});
  }
  for (size_t i = 0; i < 3; ++i) values.push_back(columns.curves ? Blob((*columns.curves)[i]) : Value{});
  return values;
}

std::vector<Value> SoundSnapshot(const RecordColumns& columns, const std::string& kind) {
  std::vector<Value> values = {Value{},    Integer(1000), Integer(2000), Integer(1),  Text("read"),
                               Text(kind), Text("V3.12"), Text("V2.05"), Text("fuzz")};
  for (Value& value : RecordValues(columns)) values.push_back(std::move(value));
  return values;
}

std::vector<Value> SoundSetup(const RecordColumns& columns) {
  std::vector<Value> values = {Value{}, Text("Track A"), Text("wet"), Text("V3.12"), Integer(1000), Integer(2000)};
  for (Value& value : RecordValues(columns)) values.push_back(std::move(value));
  return values;
}

Value Pick(FuzzInput& input, const Value& sound) {
  switch (input.Byte() % 5) {
    case 0:
      return {};
    case 1: {
      uint64_t bits = 0;
      for (int i = 0; i < 8; ++i) bits = bits << 8 | input.Byte();
      return Integer(static_cast<int64_t>(bits));
    }
    case 2: {
      const std::span<const uint8_t> text = input.Take(input.Byte());
      return {SQLITE_TEXT, 0, std::vector<uint8_t>(text.begin(), text.end())};
    }
    case 3: {
      const std::span<const uint8_t> bytes = input.Take(input.Word() % 512);
      return Blob(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    default:
      return sound;
  }
}

void Bind(sqlite3_stmt* statement, int at, const Value& value) {
  switch (value.type) {
    case SQLITE_INTEGER:
      sqlite3_bind_int64(statement, at, value.integer);
      break;
    case SQLITE_TEXT:
      sqlite3_bind_text64(statement, at, reinterpret_cast<const char*>(value.bytes.data()), value.bytes.size(),
                          SQLITE_TRANSIENT, SQLITE_UTF8);
      break;
    case SQLITE_BLOB: {
      static const uint8_t kNothing = 0;
      sqlite3_bind_blob64(statement, at, value.bytes.empty() ? &kNothing : value.bytes.data(), value.bytes.size(),
                          SQLITE_TRANSIENT);
      break;
    }
    default:
      sqlite3_bind_null(statement, at);
  }
}

void Insert(sqlite3* db, bool setup, const std::vector<Value>& values) {
  std::string sql = std::string("INSERT INTO ") + (setup ? "setups (" : "snapshots (") +
                    (setup ? kSetupColumns : kSnapshotColumns) + ") VALUES (";
  for (size_t i = 0; i < values.size(); ++i) sql += i == 0 ? "?" : ", ?";
  sql += ")";
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) return;
  for (size_t i = 0; i < values.size(); ++i) Bind(statement, static_cast<int>(i + 1), values[i]);
  // Constraints (NOT NULL, UNIQUE, the id's type) may refuse the row; the
  // readers then never see it, as they would not in a file.
  sqlite3_step(statement);
  sqlite3_finalize(statement);
}

// A record the readers took must write back to the very columns it came from.
void RequireRoundTrip(const SqliteStatement& row, int at, const ControllerRecord& record) {
  const std::optional<RecordColumns> read = ReadRecordColumns(row, at);
  Require(read.has_value(), "a row taken whole has readable record columns");
  const std::optional<RecordColumns> written = EncodeRecordColumns(record);
  Require(written.has_value(), "a record read from a row can be kept again");
  Require(*written == *read, "a record read from a row writes back to the same columns");
}

void ReadBack(sqlite3* db) {
  SqliteStatement snapshots(db, std::string("SELECT ") + kSnapshotColumns + " FROM snapshots ORDER BY id DESC");
  while (snapshots.Step() == SQLITE_ROW) {
    const std::optional<SnapshotInfo> info = ReadSnapshotInfo(snapshots);
    const std::optional<Snapshot> snapshot = ReadSnapshot(snapshots);
    if (!snapshot) continue;
    Require(info.has_value(), "a snapshot read whole has its summary");
    Require(snapshot->info.count >= 1, "a snapshot was seen at least once");
    Require(snapshot->record.full.has_value() != snapshot->record.v1.has_value(),
            "a snapshot holds a full controller's data or a V1 block");
    RequireRoundTrip(snapshots, kSnapshotRecordAt, snapshot->record);
  }
  SqliteStatement setups(db, std::string("SELECT ") + kSetupColumns + " FROM setups ORDER BY id DESC");
  while (setups.Step() == SQLITE_ROW) {
    const std::optional<NamedSetup> setup = ReadSetup(setups);
    if (!setup) continue;
    Require(!setup->info.name.empty(), "a setup has a name");
    RequireRoundTrip(setups, kSetupRecordAt, FullControllerRecord(setup->data, setup->info.software, ""));
  }
}

}  // namespace

int LibraryRowsInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const bool v1 = (input.Byte() & 1) != 0;
  const RecordColumns sound = *EncodeRecordColumns(SoundRecord(v1));
  const RecordColumns soundFull = *EncodeRecordColumns(SoundRecord(false));
  const std::vector<Value> snapshot = SoundSnapshot(sound, v1 ? "v1-bec" : "full");
  const std::vector<Value> setup = SoundSetup(soundFull);

  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
    sqlite3_close(db);
    return 0;
  }
  Require(MigrateLibrary(db) == SQLITE_OK, "a new library takes its schema");
  for (int row = 0; row < kMostRows && !input.Empty(); ++row) {
    const bool intoSetups = (input.Byte() & 1) != 0;
    const std::vector<Value>& sounds = intoSetups ? setup : snapshot;
    std::vector<Value> values;
    for (const Value& value : sounds) values.push_back(Pick(input, value));
    Insert(db, intoSetups, values);
  }
  static_assert(kSnapshotColumnCount == 17 && kSetupColumnCount == 14);
  ReadBack(db);
  sqlite3_close(db);
  return 0;
}

}  // namespace vuriru::fuzz
