// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How `log` prints the running log: one line per run as text, or one JSON
// object per run. The CSV is runlog/run_log_csv.h's, shared with the window.

#include <nlohmann/json.hpp>
#include <string>

#include "library/run_log.h"

namespace vuriru {

// "run 3  2024-05-01 14:03:22  full V3.12_240517  7.2 V  ESC 68 °C  motor 81 °C  42000 rpm  heat 3, FDR 4.2";
// a run whose values are not plausible says so with its bytes.
std::string RunLogLine(const RunLogEntry& entry);

// {"id", "time", "kind", "software", "min_voltage_v", "max_esc_temp_c",
//  "max_motor_temp_c", "max_rpm", "valid", "raw", "note",
//  "voltage_cutoff": {"index", "text"}, "esc_heat_protect": {"index", "text"}}
nlohmann::ordered_json RunLogJson(const RunLogEntry& entry);

}  // namespace vuriru
