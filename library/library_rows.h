// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How snapshots and setups lie in the library's tables, and reading them
// back. A row is read with its columns' types and sizes checked, whatever
// the file holds: a row that does not fit comes back as nothing, never as
// half a record.
//
// Columns of a record (full controller):
//   settings   BLOB, one byte per setting in the *.DATA block's order (offsets 16..47)
//   battery_min_dv, esc_max_c, motor_max_c, motor_max_krpm   INTEGER, the running log
//   boost_curve, brake_curve, throttle_curve   BLOB, 300 bytes: stored x, stored y, sampled table
// V1 controller: settings holds the 11 indexes and the BEC-shown value as
// 32-bit little-endian integers; the running log and curves are NULL.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "library/snapshot.h"
#include "library/sqlite_statement.h"

namespace vuriru {

inline constexpr size_t kFullSettingsColumnLength = 32;
inline constexpr size_t kV1SettingsColumnLength = 4 * (kV1SettingCount + 1);
inline constexpr size_t kCurveColumnLength = 3 * kStoredCurveLength;

struct RecordColumns {
  std::vector<uint8_t> settings;
  // Full controllers only.
  std::optional<std::array<int64_t, kRunningLogCount>> runningLog;
  std::optional<std::array<std::vector<uint8_t>, 3>> curves;  // boost, brake, throttle

  bool operator==(const RecordColumns&) const = default;
};

// Refuses (nothing) a record whose data does not fit its kind: a full
// record without its data, a V1 record without its block, or an unknown kind.
std::optional<RecordColumns> EncodeRecordColumns(const ControllerRecord& record);
// Settings the file does not hold (PROFILE, TURBO K, TURBO T) and the
// factory indexes come from the factory settings.
std::optional<ControllerRecord> DecodeRecordColumns(const std::string& kind, const std::string& software,
                                                    const std::string& adapter, const RecordColumns& columns);

// The columns the readers below expect, in this order, for SELECT.
inline constexpr const char* kSnapshotColumns =
    "id, taken_at, last_seen_at, seen_count, reason, kind, software, adapter, program, "
    "settings, battery_min_dv, esc_max_c, motor_max_c, motor_max_krpm, boost_curve, brake_curve, throttle_curve";
inline constexpr const char* kSetupColumns =
    "id, name, note, software, created_at, changed_at, "
    "settings, battery_min_dv, esc_max_c, motor_max_c, motor_max_krpm, boost_curve, brake_curve, throttle_curve";
// Where the record's columns start in each.
inline constexpr int kSnapshotRecordAt = 9;
inline constexpr int kSetupRecordAt = 6;

// The record's columns from the row, from column `at` on; nothing when a
// column has the wrong type or size.
std::optional<RecordColumns> ReadRecordColumns(const SqliteStatement& row, int at);
// Binds the record's columns as parameters `at`, `at` + 1, ...
void BindRecordColumns(SqliteStatement& statement, int at, const RecordColumns& columns);

std::optional<SnapshotInfo> ReadSnapshotInfo(const SqliteStatement& row);
std::optional<Snapshot> ReadSnapshot(const SqliteStatement& row);
std::optional<SetupInfo> ReadSetupInfo(const SqliteStatement& row);
std::optional<NamedSetup> ReadSetup(const SqliteStatement& row);

}  // namespace vuriru
