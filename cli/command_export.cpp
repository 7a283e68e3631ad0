// export FILE.DATA: reads a full controller and saves its settings, running
// log and curves as a settings file, under the export's name rule and with
// an atomic replace.

#include <nlohmann/json.hpp>

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/page_actions.h"
#include "files/data_file_io.h"

namespace vuriru {

CommandResult RunExportCommand(const CliOptions& options, CommandIo& io) {
  const std::filesystem::path target = ExportFileName(options.file);
  // The window asks before it overwrites; without a question to ask, an
  // existing file is only replaced on request.
  if (FileExistsAndNotEmpty(target) && !options.overwrite) {
    return CommandResult::Fail(ExitCode::kUsage, target.string() + " exists; add --overwrite to replace it");
  }

  DeviceSession session(options, io.progress);
  CommandResult started = StartSession(session, options, &DeviceSession::WaitForRead);
  if (!started.ok()) return started;
  if (!session.IsFullController()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure, "export needs a full controller, but the adapter reports a " +
                                                             session.ControllerKind() +
                                                             " controller, whose settings a *.DATA file cannot hold");
  }
  CollectLikePages(session.Settings(), session.Curves());
  const FileWriteResult saved = SaveDataFile(target, CurrentEscData(session.Settings(), session.Curves()));
  if (!saved.ok && saved.message == kExportErrorText) {
    return CommandResult::Fail(ExitCode::kBadFile,
                               std::string(kExportErrorText) +
                                   " These settings and curves sum past what the file's checksum can hold, so the "
                                   "file could never be read back; nothing was saved");
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
