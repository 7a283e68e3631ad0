// SPDX-License-Identifier: GPL-3.0-or-later
// diff A [B]: what changes from A to B, each a settings file, a snapshot id,
// a setup name or "device" (B's default). Files, snapshots and setups are
// loaded before the device is touched.

#include "cli/change_output.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/page_actions.h"
#include "cli/session_history.h"
#include "cli/settings_source.h"

namespace vuriru {

CommandResult RunDiffCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  const SourceArgument arguments[2] = {ClassifySource(options.file),
                                       ClassifySource(options.second.empty() ? "device" : options.second)};
  LoadedSource sides[2];
  bool device = false;
  for (int i = 0; i < 2; ++i) {
    if (arguments[i].kind == SourceKind::kDevice) {
      device = true;
      continue;
    }
    CommandResult loaded = LoadSource(arguments[i], library, sides[i]);
    if (!loaded.ok()) return loaded;
  }
  if (device) {
    DeviceSession session(options, io.progress);
    CommandResult read = ReadAndRecord(session, options, library);
    if (!read.ok()) return read;
    if (!session.IsFullController()) {
      return CommandResult::Fail(ExitCode::kDeviceFailure,
                                 "diff compares a full controller's settings, but the "
                                 "adapter reports a " +
                                     session.ControllerKind() + " controller");
    }
    for (int i = 0; i < 2; ++i) {
      if (arguments[i].kind != SourceKind::kDevice) continue;
      sides[i].data = CurrentEscData(session.Settings(), session.Curves());
      sides[i].label = "the controller";
    }
    io.progress.Finish();
  }
  // Against the controller only what it stores counts; between files, all
  // that a file holds.
  const ReviewScope scope = device ? ReviewScope::kStored : ReviewScope::kFile;
  PrintChanges(CompareEscData(sides[0].data, sides[1].data, scope), sides[0].label, sides[1].label, options.json,
               io.out);
  return CommandResult::Ok();
}

}  // namespace vuriru
