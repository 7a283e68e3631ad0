// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/run_log.h"

#include <algorithm>

#include "settings/settings_table.h"

namespace vuriru {

namespace {

bool Within(double value, double lowest, double highest) {
  // NaN fails both comparisons.
  return value >= lowest && value <= highest;
}

}  // namespace

RunLogValues RunLogValuesOf(const RunLogBytes& bytes) {
  const auto in = [&](RunningLog value) { return RunningLogInUnits(value, bytes[static_cast<size_t>(value)]); };
  return {in(RunningLog::BatteryMinVoltage), in(RunningLog::EscMaxTemp), in(RunningLog::MotorMaxTemp),
          in(RunningLog::MotorMaxRpm)};
}

bool RunLogValuesValid(const RunLogValues& v) {
  using L = RunLogLimits;
  return Within(v.minVoltageV, L::kLowestVolts, L::kHighestVolts) &&
         Within(v.maxEscTempC, L::kLowestCelsius, L::kHighestCelsius) &&
         Within(v.maxMotorTempC, L::kLowestCelsius, L::kHighestCelsius) && Within(v.maxRpm, 0.0, L::kHighestRpm);
}

RunLogEntry RunLogEntryOf(const SettingsBlock& settings, std::string software, int64_t timeMs) {
  RunLogEntry entry;
  entry.timeMs = timeMs;
  entry.software = std::move(software);
  for (size_t i = 0; i < kRunningLogCount; ++i) {
    entry.raw[i] = static_cast<uint8_t>(std::min<uint32_t>(settings.runningLog[i], 0xFF));
  }
  entry.values = RunLogValuesOf(entry.raw);
  entry.valid = RunLogValuesValid(entry.values);
  entry.voltageCutoff = settings.Current(Setting::VoltageCutoff);
  entry.escHeatProtect = settings.Current(Setting::EscHeatProtect);
  return entry;
}

std::string RunLogBytesHex(const RunLogBytes& bytes) {
  static const char* const kDigits = "0123456789abcdef";
  std::string text;
  for (uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

}  // namespace vuriru
