// info and read: connect, identify, and print what the controller told. A
// read is kept as a snapshot.

#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/report_output.h"
#include "cli/session_history.h"

namespace vuriru {

CommandResult RunInfoCommand(const CliOptions& options, CommandIo& io) {
  DeviceSession session(options, io.progress);
  for (auto step : {&DeviceSession::Prepare, &DeviceSession::Connect, &DeviceSession::WaitForIdentity}) {
    CommandResult result = (session.*step)();
    if (!result.ok()) return result;
  }
  io.progress.Finish();
  PrintReport(SessionReport(session, false), options.json, io.out);
  return CommandResult::Ok();
}

CommandResult RunReadCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  DeviceSession session(options, io.progress);
  CommandResult read = ReadAndRecord(session, library);
  if (!read.ok()) return read;
  io.progress.Finish();
  PrintReport(SessionReport(session, true), options.json, io.out);
  return CommandResult::Ok();
}

}  // namespace vuriru
