// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run_log_output.h"

#include "cli/controller_report.h"
#include "cli/history_output.h"
#include "runlog/run_log_csv.h"
#include "settings/settings_pages.h"

namespace vuriru {

namespace {

// A note or version as a line shows it: control characters, which could
// steer the terminal, become '?'.
std::string Printable(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

nlohmann::ordered_json OptionJson(Setting setting, int32_t index) {
  for (const ReportedSetting& row : ReportedSettings()) {
    if (row.setting == setting) return {{"index", index}, {"text", OptionText(*row.options, index)}};
  }
  return {{"index", index}};
}

}  // namespace

std::string RunLogLine(const RunLogEntry& entry) {
  const RunLogValues& v = entry.values;
  std::string line = "run " + std::to_string(entry.id) + "  " + LocalTimeText(entry.timeMs) + "  " + entry.kind + " " +
                     Printable(entry.software) + "  " + VoltsText(v.minVoltageV) + " V  ESC " +
                     WholeText(v.maxEscTempC) + " \u00B0C  motor " + WholeText(v.maxMotorTempC) + " \u00B0C  " +
                     WholeText(v.maxRpm) + " rpm";
  if (!entry.valid) line += "  (not plausible; bytes " + RunLogBytesHex(entry.raw) + ")";
  if (!entry.note.empty()) line += "  " + Printable(entry.note);
  return line;
}

nlohmann::ordered_json RunLogJson(const RunLogEntry& entry) {
  const RunLogValues& v = entry.values;
  return {{"id", entry.id},
          {"time", RunLogUtcTime(entry.timeMs)},
          {"kind", entry.kind},
          {"software", entry.software},
          {"min_voltage_v", v.minVoltageV},
          {"max_esc_temp_c", static_cast<int64_t>(v.maxEscTempC)},
          {"max_motor_temp_c", static_cast<int64_t>(v.maxMotorTempC)},
          {"max_rpm", static_cast<int64_t>(v.maxRpm)},
          {"valid", entry.valid},
          {"raw", RunLogBytesHex(entry.raw)},
          {"note", entry.note},
          {"voltage_cutoff", OptionJson(Setting::VoltageCutoff, entry.voltageCutoff)},
          {"esc_heat_protect", OptionJson(Setting::EscHeatProtect, entry.escHeatProtect)}};
}

}  // namespace vuriru
