// SPDX-License-Identifier: GPL-3.0-or-later
// info and read: connect, identify, and print what the controller told. A
// read is kept as a snapshot.

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/report_output.h"
#include "cli/session_history.h"

namespace vuriru {

CommandResult RunInfoCommand(const CliOptions& options, CommandIo& io) {
  DeviceSession session(options, io.progress);
  CommandResult started = StartSession(session, options, &DeviceSession::WaitForIdentity);
  if (!started.ok()) return started;
  io.progress.Finish();
  PrintReport(SessionReport(session, false), options.json, io.out);
  return CommandResult::Ok();
}

CommandResult RunReadCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  DeviceSession session(options, io.progress);
  CommandResult read = ReadAndRecord(session, options, library);
  if (!read.ok()) return read;
  io.progress.Finish();
  PrintReport(SessionReport(session, true), options.json, io.out);
  return CommandResult::Ok();
}

}  // namespace vuriru
