// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running log over time: one entry for every completed first read of a
// full controller, each connection being one run. An entry keeps the four
// reply bytes the controller sent (27 to 30 of the settings reply), the
// same values in their physical units, whether they are plausible, the
// VOLTAGE CUTOFF and ESC HEAT PROTECT indexes read with them (for the
// limit lines of the charts) and a free note. Plain values; the library
// (library/library.h) keeps them in a table of their own.

#include <array>
#include <cstdint>
#include <string>

#include "settings/settings_block.h"

namespace vuriru {

// What a plausible reading lies within. A reading outside them (a controller
// that never ran, a damaged reply) is kept with its bytes but is not drawn.
struct RunLogLimits {
  static constexpr double kLowestVolts = 2.0;
  static constexpr double kHighestVolts = 30.0;
  static constexpr double kLowestCelsius = -20.0;
  static constexpr double kHighestCelsius = 150.0;
  static constexpr double kHighestRpm = 200000.0;
};

// The four reply bytes, in the order of `RunningLog`.
using RunLogBytes = std::array<uint8_t, kRunningLogCount>;

struct RunLogValues {
  double minVoltageV = 0;
  double maxEscTempC = 0;
  double maxMotorTempC = 0;
  double maxRpm = 0;
};

// The bytes in their physical units (settings/settings_table.h).
RunLogValues RunLogValuesOf(const RunLogBytes& bytes);
bool RunLogValuesValid(const RunLogValues& values);

struct RunLogEntry {
  int64_t id = 0;      // the library's id; 0 before it is kept
  int64_t timeMs = 0;  // milliseconds since 1970, UTC
  std::string kind = "full";
  std::string software;  // the controller's software version
  RunLogBytes raw{};
  RunLogValues values;
  bool valid = false;
  // The option indexes read with the log, as the settings block holds them.
  int32_t voltageCutoff = 0;
  int32_t escHeatProtect = 0;
  std::string note;
};

// The entry for what a first read left in `settings`. Each running-log value
// came as one reply byte; a larger value (only an imported file holds one)
// is kept as 255.
RunLogEntry RunLogEntryOf(const SettingsBlock& settings, std::string software, int64_t timeMs = 0);

// The raw bytes as eight lower-case hexadecimal digits, e.g. "4844512a".
std::string RunLogBytesHex(const RunLogBytes& bytes);

// The longest note an entry keeps, in bytes.
inline constexpr size_t kLongestRunLogNote = 1000;

}  // namespace vuriru
