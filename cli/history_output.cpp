// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/history_output.h"

#include <ctime>

namespace vuriru {

namespace {

std::string Format(int64_t ms, bool utc, const char* format) {
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm parts{};
  if ((utc ? gmtime_r(&seconds, &parts) : localtime_r(&seconds, &parts)) == nullptr) return "?";
  char text[64];
  if (std::strftime(text, sizeof text, format, &parts) == 0) return "?";
  return text;
}

// A name or note as a line shows it: control characters, which could steer
// the terminal, become '?'.
std::string Printable(const std::string& text) {
  std::string shown = text;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return shown;
}

}  // namespace

std::string LocalTimeText(int64_t ms) {
  return Format(ms, false, "%Y-%m-%d %H:%M:%S");
}

std::string UtcTimeText(int64_t ms) {
  return Format(ms, true, "%Y-%m-%dT%H:%M:%SZ");
}

std::string SnapshotLine(const SnapshotInfo& info) {
  std::string line = "snapshot " + std::to_string(info.id) + "  " + LocalTimeText(info.takenAtMs) + "  " +
                     ReasonText(info.reason) + "  " + info.kind + " " + Printable(info.software);
  if (info.count > 1) {
    line += "  (" + std::to_string(info.count) + " times, last " + LocalTimeText(info.lastSeenAtMs) + ")";
  }
  return line;
}

std::string SetupLine(const SetupInfo& info) {
  std::string line = "setup \"" + Printable(info.name) + "\"  " + LocalTimeText(info.changedAtMs);
  if (!info.software.empty()) line += "  full " + Printable(info.software);
  if (!info.note.empty()) line += "  " + Printable(info.note);
  return line;
}

nlohmann::ordered_json SnapshotJson(const SnapshotInfo& info) {
  return {{"id", info.id},
          {"taken", UtcTimeText(info.takenAtMs)},
          {"lastSeen", UtcTimeText(info.lastSeenAtMs)},
          {"count", info.count},
          {"reason", ReasonText(info.reason)},
          {"kind", info.kind},
          {"software", info.software},
          {"adapter", info.adapter},
          {"program", info.program}};
}

nlohmann::ordered_json SetupJson(const SetupInfo& info) {
  return {{"id", info.id},
          {"name", info.name},
          {"note", info.note},
          {"software", info.software},
          {"created", UtcTimeText(info.createdAtMs)},
          {"changed", UtcTimeText(info.changedAtMs)}};
}

}  // namespace vuriru
