// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_rows.h"

#include <algorithm>

#include "curves/curve_set.h"
#include "settings/settings_table.h"

namespace vuriru {

namespace {

constexpr int kFirstSettingOffset = 16;
constexpr int64_t kLogLimits[kRunningLogCount] = {255, 255, 255, 65535};

// The setting at each byte of the settings column.
const std::array<const SettingRow*, kFullSettingsColumnLength>& FullSettingsLayout() {
  static const auto layout = [] {
    std::array<const SettingRow*, kFullSettingsColumnLength> rows{};
    for (const SettingRow& row : SettingsTable()) {
      if (row.fileOffset == kNotCarried) continue;
      rows.at(static_cast<size_t>(row.fileOffset - kFirstSettingOffset)) = &row;
    }
    return rows;
  }();
  return layout;
}

std::vector<uint8_t> CurveColumn(const StoredCurve& curve) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kCurveColumnLength);
  bytes.insert(bytes.end(), curve.x.begin(), curve.x.end());
  bytes.insert(bytes.end(), curve.y.begin(), curve.y.end());
  bytes.insert(bytes.end(), curve.table.begin(), curve.table.end());
  return bytes;
}

StoredCurve CurveFromColumn(const std::vector<uint8_t>& bytes) {
  StoredCurve curve;
  const auto at = bytes.begin();
  std::copy_n(at, kStoredCurveLength, curve.x.begin());
  std::copy_n(at + kStoredCurveLength, kStoredCurveLength, curve.y.begin());
  std::copy_n(at + 2 * kStoredCurveLength, kStoredCurveLength, curve.table.begin());
  return curve;
}

void PutInt32(std::vector<uint8_t>& bytes, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>((bits >> (8 * i)) & 0xFF));
}

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t bits = 0;
  for (size_t i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
  return static_cast<int32_t>(bits);
}

// A text column, where NULL reads as "".
std::optional<std::string> TextColumn(const SqliteStatement& row, int column) {
  const int type = row.Type(column);
  if (type == SQLITE_NULL) return std::string();
  if (type != SQLITE_TEXT) return std::nullopt;
  return row.Text(column);
}

std::optional<int64_t> IntColumn(const SqliteStatement& row, int column) {
  if (row.Type(column) != SQLITE_INTEGER) return std::nullopt;
  return row.Int(column);
}

}  // namespace

std::optional<RecordColumns> EncodeRecordColumns(const ControllerRecord& record) {
  RecordColumns columns;
  if (record.kind == kFullKind) {
    if (!record.full || record.v1) return std::nullopt;
    const EscData& data = *record.full;
    for (const SettingRow* row : FullSettingsLayout()) {
      columns.settings.push_back(static_cast<uint8_t>(data.settings.Current(row->setting) & 0xFF));
    }
    std::array<int64_t, kRunningLogCount> log{};
    for (size_t i = 0; i < kRunningLogCount; ++i) {
      log[i] = std::min<int64_t>(data.settings.runningLog[i], kLogLimits[i]);
    }
    columns.runningLog = log;
    columns.curves = {CurveColumn(data.boostCurve), CurveColumn(data.brakeCurve), CurveColumn(data.throttleCurve)};
    return columns;
  }
  if (IsV1Kind(record.kind)) {
    if (!record.v1 || record.full) return std::nullopt;
    for (int32_t index : record.v1->index) PutInt32(columns.settings, index);
    PutInt32(columns.settings, record.v1->becShown);
    return columns;
  }
  return std::nullopt;
}

std::optional<ControllerRecord> DecodeRecordColumns(const std::string& kind, const std::string& software,
                                                    const std::string& adapter, const RecordColumns& columns) {
  if (kind == kFullKind) {
    if (columns.settings.size() != kFullSettingsColumnLength || !columns.runningLog || !columns.curves) {
      return std::nullopt;
    }
    for (const std::vector<uint8_t>& curve : *columns.curves) {
      if (curve.size() != kCurveColumnLength) return std::nullopt;
    }
    EscData data = FactoryEscData();
    const auto& layout = FullSettingsLayout();
    for (size_t i = 0; i < layout.size(); ++i) data.settings.Current(layout[i]->setting) = columns.settings[i];
    for (size_t i = 0; i < kRunningLogCount; ++i) {
      const int64_t value = (*columns.runningLog)[i];
      if (value < 0 || value > kLogLimits[i]) return std::nullopt;
      data.settings.runningLog[i] = static_cast<uint32_t>(value);
    }
    data.boostCurve = CurveFromColumn((*columns.curves)[0]);
    data.brakeCurve = CurveFromColumn((*columns.curves)[1]);
    data.throttleCurve = CurveFromColumn((*columns.curves)[2]);
    return FullControllerRecord(data, software, adapter);
  }
  if (IsV1Kind(kind)) {
    if (columns.settings.size() != kV1SettingsColumnLength || columns.runningLog || columns.curves) {
      return std::nullopt;
    }
    V1SettingsBlock block;
    for (size_t i = 0; i < kV1SettingCount; ++i) block.index[i] = Int32At(columns.settings, 4 * i);
    block.becShown = Int32At(columns.settings, 4 * kV1SettingCount);
    return V1ControllerRecord(block, kind, software, adapter);
  }
  return std::nullopt;
}

std::optional<RecordColumns> ReadRecordColumns(const SqliteStatement& row, int at) {
  RecordColumns columns;
  if (row.Type(at) != SQLITE_BLOB) return std::nullopt;
  columns.settings = row.Blob(at);
  // The running log and the curves are all there (full) or all NULL (V1).
  const int logAt = at + 1;
  const int curvesAt = logAt + static_cast<int>(kRunningLogCount);
  bool allNull = true;
  bool anyNull = false;
  for (int column = logAt; column < curvesAt + 3; ++column) {
    const bool null = row.Type(column) == SQLITE_NULL;
    allNull = allNull && null;
    anyNull = anyNull || null;
  }
  if (allNull) return columns;
  if (anyNull) return std::nullopt;
  std::array<int64_t, kRunningLogCount> log{};
  for (size_t i = 0; i < kRunningLogCount; ++i) {
    const std::optional<int64_t> value = IntColumn(row, logAt + static_cast<int>(i));
    if (!value) return std::nullopt;
    log[i] = *value;
  }
  columns.runningLog = log;
  std::array<std::vector<uint8_t>, 3> curves;
  for (int i = 0; i < 3; ++i) {
    if (row.Type(curvesAt + i) != SQLITE_BLOB) return std::nullopt;
    curves[static_cast<size_t>(i)] = row.Blob(curvesAt + i);
  }
  columns.curves = curves;
  return columns;
}

void BindRecordColumns(SqliteStatement& statement, int at, const RecordColumns& columns) {
  statement.Bind(at, columns.settings);
  for (size_t i = 0; i < kRunningLogCount; ++i) {
    const int column = at + 1 + static_cast<int>(i);
    if (columns.runningLog) {
      statement.Bind(column, (*columns.runningLog)[i]);
    } else {
      statement.BindNull(column);
    }
  }
  for (size_t i = 0; i < 3; ++i) {
    const int column = at + 1 + static_cast<int>(kRunningLogCount + i);
    if (columns.curves) {
      statement.Bind(column, std::span<const uint8_t>((*columns.curves)[i]));
    } else {
      statement.BindNull(column);
    }
  }
}

std::optional<SnapshotInfo> ReadSnapshotInfo(const SqliteStatement& row) {
  SnapshotInfo info;
  const std::optional<int64_t> id = IntColumn(row, 0);
  const std::optional<int64_t> takenAt = IntColumn(row, 1);
  const std::optional<int64_t> lastSeenAt = IntColumn(row, 2);
  const std::optional<int64_t> count = IntColumn(row, 3);
  const std::optional<std::string> reason = TextColumn(row, 4);
  const std::optional<std::string> kind = TextColumn(row, 5);
  const std::optional<std::string> software = TextColumn(row, 6);
  const std::optional<std::string> adapter = TextColumn(row, 7);
  const std::optional<std::string> program = TextColumn(row, 8);
  if (!id || !takenAt || !lastSeenAt || !count || !reason || !kind || !software || !adapter || !program) {
    return std::nullopt;
  }
  const std::optional<SnapshotReason> why = ReasonFromText(*reason);
  if (!why || *count < 1 || (*kind != kFullKind && !IsV1Kind(*kind))) return std::nullopt;
  info.id = *id;
  info.takenAtMs = *takenAt;
  info.lastSeenAtMs = *lastSeenAt;
  info.count = *count;
  info.reason = *why;
  info.kind = *kind;
  info.software = *software;
  info.adapter = *adapter;
  info.program = *program;
  return info;
}

std::optional<Snapshot> ReadSnapshot(const SqliteStatement& row) {
  std::optional<SnapshotInfo> info = ReadSnapshotInfo(row);
  if (!info) return std::nullopt;
  const std::optional<RecordColumns> columns = ReadRecordColumns(row, kSnapshotRecordAt);
  if (!columns) return std::nullopt;
  std::optional<ControllerRecord> record = DecodeRecordColumns(info->kind, info->software, info->adapter, *columns);
  if (!record) return std::nullopt;
  return Snapshot{std::move(*info), std::move(*record)};
}

std::optional<SetupInfo> ReadSetupInfo(const SqliteStatement& row) {
  const std::optional<int64_t> id = IntColumn(row, 0);
  const std::optional<std::string> name = TextColumn(row, 1);
  const std::optional<std::string> note = TextColumn(row, 2);
  const std::optional<std::string> software = TextColumn(row, 3);
  const std::optional<int64_t> createdAt = IntColumn(row, 4);
  const std::optional<int64_t> changedAt = IntColumn(row, 5);
  if (!id || !name || !note || !software || !createdAt || !changedAt || name->empty()) return std::nullopt;
  return SetupInfo{*id, *name, *note, *software, *createdAt, *changedAt};
}

std::optional<NamedSetup> ReadSetup(const SqliteStatement& row) {
  std::optional<SetupInfo> info = ReadSetupInfo(row);
  if (!info) return std::nullopt;
  const std::optional<RecordColumns> columns = ReadRecordColumns(row, kSetupRecordAt);
  if (!columns) return std::nullopt;
  const std::optional<ControllerRecord> record = DecodeRecordColumns(kFullKind, info->software, "", *columns);
  if (!record || !record->full) return std::nullopt;
  return NamedSetup{std::move(*info), *record->full};
}

}  // namespace vuriru
