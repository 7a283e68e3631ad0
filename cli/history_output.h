// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the history and the setups print: one line each, or one JSON object
// each. The library's times (milliseconds since 1970, UTC) print as local
// time in text and as UTC in JSON.

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "library/snapshot.h"

namespace vuriru {

// "2024-05-01 14:03:22" in the local time zone.
std::string LocalTimeText(int64_t ms);
// "2024-05-01T12:03:22Z".
std::string UtcTimeText(int64_t ms);

// "snapshot 12  2024-05-01 14:03:22  read  full V3.12_240517  (3 times, last ...)"
std::string SnapshotLine(const SnapshotInfo& info);
// "setup "Track A"  2024-05-01 14:00:00  full V3.12_240517  wet, 17.5T"
std::string SetupLine(const SetupInfo& info);

nlohmann::ordered_json SnapshotJson(const SnapshotInfo& info);
nlohmann::ordered_json SetupJson(const SetupInfo& info);

}  // namespace vuriru
