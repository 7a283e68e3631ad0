// SPDX-License-Identifier: GPL-3.0-or-later
// history [--json]: the snapshots and setups the library holds, newest
// first, with the ids and names that diff, restore and apply take.

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/cli_library.h"
#include "cli/commands.h"
#include "cli/history_output.h"

namespace vuriru {

namespace {

using Json = nlohmann::ordered_json;

struct HistoryEntry {
  int64_t atMs;  // a snapshot's last sighting, a setup's last change
  int64_t id;
  std::string line;
};

}  // namespace

CommandResult RunHistoryCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  Library& kept = library.Get();
  if (!kept.CanRead()) return CommandResult::Fail(ExitCode::kBadFile, kept.ProblemText());
  library.WarnOfTrouble();
  const std::vector<SnapshotInfo> snapshots = kept.ListSnapshots();
  const std::vector<SetupInfo> setups = kept.ListSetups();
  if (options.json) {
    Json json = {{"library", kept.Path().string()}, {"snapshots", Json::array()}, {"setups", Json::array()}};
    for (const SnapshotInfo& info : snapshots) json["snapshots"].push_back(SnapshotJson(info));
    for (const SetupInfo& info : setups) json["setups"].push_back(SetupJson(info));
    io.out << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    return CommandResult::Ok();
  }
  if (snapshots.empty() && setups.empty()) {
    io.out << "The library " << kept.Path().string() << " holds no snapshots and no setups yet.\n";
    return CommandResult::Ok();
  }
  std::vector<HistoryEntry> entries;
  for (const SnapshotInfo& info : snapshots) entries.push_back({info.lastSeenAtMs, info.id, SnapshotLine(info)});
  for (const SetupInfo& info : setups) entries.push_back({info.changedAtMs, 0, SetupLine(info)});
  std::stable_sort(entries.begin(), entries.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
    return a.atMs != b.atMs ? a.atMs > b.atMs : a.id > b.id;
  });
  for (const HistoryEntry& entry : entries) io.out << entry.line << "\n";
  return CommandResult::Ok();
}

}  // namespace vuriru
