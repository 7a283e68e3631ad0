// SPDX-License-Identifier: GPL-3.0-or-later
// setup save NAME [--note TEXT] [SOURCE], setup list, setup delete NAME,
// setup rename OLD NEW: named setups in the library. SOURCE is a settings
// file, a snapshot id, another setup or "device" (the default), which is
// read for it.

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/history_output.h"
#include "cli/page_actions.h"
#include "cli/session_history.h"
#include "cli/settings_source.h"

namespace vuriru {

namespace {

using Json = nlohmann::ordered_json;

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

// A refused change: the library's own trouble is a file problem, anything
// else (a name in use, no such setup) a problem with what was asked.
CommandResult Refused(const LibraryResult& result) {
  return CommandResult::Fail(result.refusal == LibraryRefusal::kLibrary ? ExitCode::kBadFile : ExitCode::kUsage,
                             result.message);
}

void PrintDone(const CliOptions& options, const std::string& text, Json json, CommandIo& io) {
  io.progress.Finish();
  if (options.json) {
    io.out << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  } else {
    io.out << text << "\n";
  }
}

CommandResult Save(const CliOptions& options, CliLibrary& library, CommandIo& io) {
  // The name is checked before any device is read for it.
  if (const std::string problem = SetupNameProblem(options.file); !problem.empty()) {
    return CommandResult::Fail(ExitCode::kUsage, problem);
  }
  const SourceArgument argument = ClassifySource(options.second.empty() ? "device" : options.second);
  LoadedSource source;
  if (argument.kind == SourceKind::kDevice) {
    DeviceSession session(options, io.progress);
    CommandResult read = ReadAndRecord(session, options, library);
    if (!read.ok()) return read;
    if (!session.IsFullController()) {
      return CommandResult::Fail(ExitCode::kDeviceFailure,
                                 "setups hold a full controller's settings, but the "
                                 "adapter reports a " +
                                     session.ControllerKind() + " controller");
    }
    source.data = CurrentEscData(session.Settings(), session.Curves());
    source.label = "the controller";
    source.software = session.SoftwareVersion();
  } else {
    CommandResult loaded = LoadSource(argument, library, source);
    if (!loaded.ok()) return loaded;
  }
  Library& kept = library.Get();
  const LibraryResult saved =
      kept.SaveSetup(options.file, options.note, source.data, source.software, options.overwrite);
  if (saved.refusal == LibraryRefusal::kNameTaken) {
    return CommandResult::Fail(ExitCode::kUsage, "a setup named " + Quoted(options.file) +
                                                     " exists already; choose another name, or add --overwrite to "
                                                     "replace it");
  }
  if (!saved.ok) return Refused(saved);
  PrintDone(options, "Saved the setup " + Quoted(options.file) + " from " + source.label + ".",
            {{"command", "setup save"}, {"name", options.file}, {"id", saved.id}, {"from", source.label}}, io);
  return CommandResult::Ok();
}

CommandResult List(const CliOptions& options, CliLibrary& library, CommandIo& io) {
  Library& kept = library.Get();
  if (!kept.CanRead()) return CommandResult::Fail(ExitCode::kBadFile, kept.ProblemText());
  const std::vector<SetupInfo> setups = kept.ListSetups();
  if (options.json) {
    Json list = Json::array();
    for (const SetupInfo& info : setups) list.push_back(SetupJson(info));
    io.out << Json{{"setups", list}}.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    return CommandResult::Ok();
  }
  if (setups.empty()) io.out << "The library " << kept.Path().string() << " holds no setups yet.\n";
  for (const SetupInfo& info : setups) io.out << SetupLine(info) << "\n";
  return CommandResult::Ok();
}

}  // namespace

CommandResult RunSetupCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  if (options.action == "save") return Save(options, library, io);
  if (options.action == "list") return List(options, library, io);
  Library& kept = library.Get();
  if (options.action == "delete") {
    const LibraryResult deleted = kept.DeleteSetup(options.file);
    if (!deleted.ok) return Refused(deleted);
    PrintDone(options, "Deleted the setup " + Quoted(options.file) + ".",
              {{"command", "setup delete"}, {"name", options.file}, {"id", deleted.id}}, io);
    return CommandResult::Ok();
  }
  const LibraryResult renamed = kept.RenameSetup(options.file, options.second);
  if (!renamed.ok) return Refused(renamed);
  PrintDone(options, "Renamed the setup " + Quoted(options.file) + " to " + Quoted(options.second) + ".",
            {{"command", "setup rename"}, {"from", options.file}, {"to", options.second}, {"id", renamed.id}}, io);
  return CommandResult::Ok();
}

}  // namespace vuriru
