// SPDX-License-Identifier: GPL-3.0-or-later
// log [--csv|--json] [--last N], log --set-note ENTRY TEXT: the running log
// kept at every first read of a full controller, oldest first.

#include <charconv>
#include <nlohmann/json.hpp>

#include "cli/cli_library.h"
#include "cli/commands.h"
#include "cli/run_log_output.h"
#include "runlog/run_log_csv.h"

namespace vuriru {

namespace {

using Json = nlohmann::ordered_json;

std::optional<int64_t> EntryId(const std::string& text) {
  int64_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id < 1) return std::nullopt;
  return id;
}

CommandResult SetNote(const CliOptions& options, CliLibrary& library, CommandIo& io) {
  const std::optional<int64_t> id = EntryId(options.setNote[0]);
  if (!id) {
    return CommandResult::Fail(
        ExitCode::kUsage, "--set-note takes the run's id first ('log' prints it), not \"" + options.setNote[0] + "\"");
  }
  const LibraryResult result = library.Get().SetRunLogNote(*id, options.setNote[1]);
  if (!result.ok) {
    return CommandResult::Fail(result.refusal == LibraryRefusal::kLibrary ? ExitCode::kBadFile : ExitCode::kUsage,
                               result.message);
  }
  if (options.json) {
    io.out << Json{{"id", *id}, {"note", options.setNote[1]}}.dump(2, ' ', false, Json::error_handler_t::replace)
           << "\n";
  } else {
    io.out << "Run " << *id << (options.setNote[1].empty() ? " has no note now.\n" : " has its note now.\n");
  }
  return CommandResult::Ok();
}

}  // namespace

CommandResult RunLogCommand(const CliOptions& options, CommandIo& io) {
  if (options.csv && options.json) return CommandResult::Fail(ExitCode::kUsage, "log prints CSV or JSON, not both");
  if (!options.setNote.empty() && (options.csv || options.last != 0)) {
    return CommandResult::Fail(ExitCode::kUsage,
                               "--set-note changes a note and prints no log; leave out --csv and --last");
  }
  CliLibrary library(options, io.err);
  Library& kept = library.Get();
  if (!options.setNote.empty()) return SetNote(options, library, io);
  if (!kept.CanRead()) return CommandResult::Fail(ExitCode::kBadFile, kept.ProblemText());
  library.WarnOfTrouble();
  const std::vector<RunLogEntry> entries = kept.ListRunLog(options.last);
  if (options.csv) {
    io.out << RunLogCsv(entries);
    return CommandResult::Ok();
  }
  if (options.json) {
    Json json = {{"library", kept.Path().string()}, {"runs", Json::array()}};
    for (const RunLogEntry& entry : entries) json["runs"].push_back(RunLogJson(entry));
    io.out << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    return CommandResult::Ok();
  }
  if (entries.empty()) {
    io.out << "The library " << kept.Path().string()
           << " holds no runs yet; every read of a full controller adds one.\n";
    return CommandResult::Ok();
  }
  for (const RunLogEntry& entry : entries) io.out << RunLogLine(entry) << "\n";
  return CommandResult::Ok();
}

}  // namespace vuriru
