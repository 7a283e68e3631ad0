// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Made-up running-log entries for the tests of the CSV, the charts' model
// and the chart view.

#include <string>
#include <vector>

#include "library/run_log.h"

namespace vuriru::testing {

inline RunLogEntry Entry(int64_t id, uint8_t dv, uint8_t esc, uint8_t motor, uint8_t krpm, std::string note = "") {
  RunLogEntry entry;
  entry.id = id;
  entry.timeMs = 1'714'572'202'000 + (id - 1) * 86'400'000;  // 2024-05-01T14:03:22Z, then a day apart
  entry.software = "V3.12_240517";
  entry.raw = {dv, esc, motor, krpm};
  entry.values = RunLogValuesOf(entry.raw);
  entry.valid = RunLogValuesValid(entry.values);
  entry.voltageCutoff = 34;  // "6.2v"
  entry.escHeatProtect = 1;  // "105 degree Celsius(*)"
  entry.note = std::move(note);
  return entry;
}

// Five runs; the third is not plausible (a log read before the car ran).
inline std::vector<RunLogEntry> FiveRuns() {
  return {Entry(1, 74, 60, 70, 40), Entry(2, 72, 68, 81, 42, "heat 3, FDR 4.2"), Entry(3, 0, 0, 0, 0),
          Entry(4, 71, 72, 85, 44), Entry(5, 70, 75, 90, 45)};
}

}  // namespace vuriru::testing
