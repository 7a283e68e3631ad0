// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/snapshot.h"

#include <array>
#include <utility>

namespace vuriru {

namespace {

constexpr std::array<std::pair<SnapshotReason, const char*>, 7> kReasons{{
    {SnapshotReason::kRead, "read"},
    {SnapshotReason::kBeforeApply, "before apply"},
    {SnapshotReason::kAfterApply, "after apply"},
    {SnapshotReason::kBeforeDefault, "before default"},
    {SnapshotReason::kAfterDefault, "after default"},
    {SnapshotReason::kBeforeFirmwareUpdate, "before firmware update"},
    {SnapshotReason::kBeforeV1Send, "before V1 send"},
}};

}  // namespace

const char* ReasonText(SnapshotReason reason) {
  for (const auto& [value, text] : kReasons) {
    if (value == reason) return text;
  }
  return "read";
}

std::optional<SnapshotReason> ReasonFromText(std::string_view text) {
  for (const auto& [value, name] : kReasons) {
    if (text == name) return value;
  }
  return std::nullopt;
}

bool IsV1Kind(std::string_view kind) {
  return kind == "v1" || kind == "v1-bec" || kind == "v1-hgm";
}

const char* V1ControllerKind(bool becShown, size_t replyLength) {
  if (becShown) return "v1-bec";
  return replyLength == 12 ? "v1-hgm" : "v1";
}

ControllerRecord FullControllerRecord(const EscData& data, std::string software, std::string adapter) {
  ControllerRecord record;
  record.kind = kFullKind;
  record.software = std::move(software);
  record.adapter = std::move(adapter);
  record.full = data;
  return record;
}

ControllerRecord V1ControllerRecord(const V1SettingsBlock& block, std::string kind, std::string software,
                                    std::string adapter) {
  ControllerRecord record;
  record.kind = std::move(kind);
  record.software = std::move(software);
  record.adapter = std::move(adapter);
  record.v1 = block;
  return record;
}

}  // namespace vuriru
