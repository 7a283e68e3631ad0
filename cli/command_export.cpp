// SPDX-License-Identifier: GPL-3.0-or-later
// export FILE: reads a full controller and saves its settings, running log
// and curves with an atomic replace: as JSON when the name ends in .json,
// else as a *.DATA file under the export's name rule. The read is kept as a
// snapshot.

#include <nlohmann/json.hpp>

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/page_actions.h"
#include "cli/session_history.h"
#include "files/data_file_io.h"
#include "files/json_file_io.h"

namespace vuriru {

CommandResult RunExportCommand(const CliOptions& options, CommandIo& io) {
  const bool json = IsJsonFileName(options.file);
  const std::filesystem::path target = json ? std::filesystem::path(options.file) : ExportFileName(options.file);
  // The window asks before it overwrites; without a question to ask, an
  // existing file is only replaced on request.
  if (FileExistsAndNotEmpty(target) && !options.overwrite) {
    return CommandResult::Fail(ExitCode::kUsage, target.string() + " exists; add --overwrite to replace it");
  }

  CliLibrary library(options, io.err);
  DeviceSession session(options, io.progress);
  CommandResult read = ReadAndRecord(session, options, library);
  if (!read.ok()) return read;
  if (!session.IsFullController()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure, "export needs a full controller, but the adapter reports a " +
                                                             session.ControllerKind() +
                                                             " controller, whose settings a settings file cannot hold");
  }
  CollectLikePages(session.Settings(), session.Curves());
  const EscData data = CurrentEscData(session.Settings(), session.Curves());
  const FileWriteResult saved =
      json ? SaveJsonFile(target, data, session.SoftwareVersion()) : SaveDataFile(target, data);
  if (!saved.ok && saved.message == kExportErrorText) {
    return CommandResult::Fail(ExitCode::kBadFile,
                               std::string(kExportErrorText) +
                                   " These settings and curves sum past what the file's checksum can hold, so the "
                                   "file could never be read back; nothing was saved (a *.json file can hold them)");
  }
  if (!saved.ok) {
    return CommandResult::Fail(ExitCode::kBadFile, "cannot save " + target.string() + ": " + saved.message +
                                                       "; check that the folder exists and is writable");
  }
  io.progress.Finish();
  if (options.json) {
    io.out << nlohmann::ordered_json{{"command", "export"}, {"file", target.string()}}.dump(2) << "\n";
  } else {
    io.out << "Exported the controller's settings to " << target.string() << "\n";
  }
  return CommandResult::Ok();
}

}  // namespace vuriru
