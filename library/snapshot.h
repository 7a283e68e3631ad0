// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the library keeps: snapshots of what a controller held, and the
// setups the user saved under a name. Plain values; library/library.h reads
// and writes them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/data_file_codec.h"
#include "v1/v1_settings_block.h"

namespace vuriru {

// Why a snapshot was taken. The texts are what the library stores and what
// the history shows.
enum class SnapshotReason : uint8_t {
  kRead,
  kBeforeApply,
  kAfterApply,
  kBeforeDefault,
  kAfterDefault,
  kBeforeFirmwareUpdate,
  kBeforeV1Send,
};

// "read", "before apply", "after apply", "before default", "after default",
// "before firmware update", "before V1 send".
const char* ReasonText(SnapshotReason reason);
std::optional<SnapshotReason> ReasonFromText(std::string_view text);

// The controller kinds a snapshot can hold.
inline constexpr const char* kFullKind = "full";
bool IsV1Kind(std::string_view kind);  // "v1", "v1-bec", "v1-hgm"
// The kind of a V1 controller: "v1-bec" when it showed BEC, "v1-hgm" for the
// model with the 12-byte settings reply, else "v1".
const char* V1ControllerKind(bool becShown, size_t replyLength);

// What one controller held, as a *.DATA file holds it (settings as indexes,
// the three stored curves, the running log) for a full controller, or its
// V1 settings block for a V1 controller.
struct ControllerRecord {
  std::string kind;      // "full", "v1", "v1-bec" or "v1-hgm"
  std::string software;  // the controller's software version, e.g. "V3.12_240517"
  std::string adapter;   // the adapter's version, e.g. "V2.05_23114"
  std::optional<EscData> full;
  std::optional<V1SettingsBlock> v1;
};

ControllerRecord FullControllerRecord(const EscData& data, std::string software, std::string adapter);
ControllerRecord V1ControllerRecord(const V1SettingsBlock& block, std::string kind, std::string software,
                                    std::string adapter);

struct SnapshotInfo {
  int64_t id = 0;
  int64_t takenAtMs = 0;     // milliseconds since 1970, UTC
  int64_t lastSeenAtMs = 0;  // when the same data was last recorded again
  int64_t count = 1;         // how often it was recorded in a row
  SnapshotReason reason = SnapshotReason::kRead;
  std::string kind;
  std::string software;
  std::string adapter;
  std::string program;  // the version of the program that took it
};

struct Snapshot {
  SnapshotInfo info;
  ControllerRecord record;
};

struct SetupInfo {
  int64_t id = 0;
  std::string name;
  std::string note;
  std::string software;  // the controller software the settings came from, "" when unknown
  int64_t createdAtMs = 0;
  int64_t changedAtMs = 0;
};

// Setups hold a full controller's settings and curves.
struct NamedSetup {
  SetupInfo info;
  EscData data;
};

}  // namespace vuriru
