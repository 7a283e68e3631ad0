// SPDX-License-Identifier: GPL-3.0-or-later
#include "runlog/run_log_csv.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace vuriru {

std::string RunLogUtcTime(int64_t ms) {
  // Floor division, so that a time before 1970 still names its own second.
  const int64_t seconds = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
  const auto time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  char text[64];
  if (gmtime_r(&time, &parts) == nullptr || std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts) == 0) {
    return "?";
  }
  return text;
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  field += '"';
  return field;
}

std::string VoltsText(double volts) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", volts);
  return text;
}

std::string WholeText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", std::round(value));
  return text;
}

std::string RunLogCsv(std::span<const RunLogEntry> entries) {
  std::string csv = std::string(kRunLogCsvHeader) + "\r\n";
  for (const RunLogEntry& entry : entries) {
    csv += CsvField(RunLogUtcTime(entry.timeMs)) + ',' + CsvField(entry.kind) + ',' + CsvField(entry.software) + ',' +
           VoltsText(entry.values.minVoltageV) + ',' + WholeText(entry.values.maxEscTempC) + ',' +
           WholeText(entry.values.maxMotorTempC) + ',' + WholeText(entry.values.maxRpm) + ',' +
           (entry.valid ? '1' : '0') + ',' + RunLogBytesHex(entry.raw) + ',' + CsvField(entry.note) + "\r\n";
  }
  return csv;
}

}  // namespace vuriru
