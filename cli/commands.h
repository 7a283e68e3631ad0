// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of vuriru-cli. Each runs with the parsed options, writes its
// result to `out` and returns how it ended; the caller prints the failure
// line. A new command is one function here and one row in CliCommands().

#include <ostream>
#include <vector>

#include "cli/cli_options.h"
#include "cli/exit_code.h"
#include "cli/progress_bar.h"

namespace vuriru {

class DeviceSession;

struct CommandIo {
  std::ostream& out;
  ProgressBar& progress;
  // Warnings that do not stop the command (the library's trouble, keys a
  // JSON file held that the import left out).
  std::ostream& err;
};

using CommandFn = CommandResult (*)(const CliOptions& options, CommandIo& io);

struct CliCommand {
  CommandInfo info;
  CommandFn run;
};

// Every command, in the order the help lists them.
const std::vector<CliCommand>& CliCommands();

CommandResult RunListCommand(const CliOptions& options, CommandIo& io);
CommandResult RunInfoCommand(const CliOptions& options, CommandIo& io);
CommandResult RunReadCommand(const CliOptions& options, CommandIo& io);
CommandResult RunApplyCommand(const CliOptions& options, CommandIo& io);
CommandResult RunDefaultCommand(const CliOptions& options, CommandIo& io);
CommandResult RunExportCommand(const CliOptions& options, CommandIo& io);
CommandResult RunShowCommand(const CliOptions& options, CommandIo& io);
CommandResult RunFirmwareCommand(const CliOptions& options, CommandIo& io);
CommandResult RunDoctorCommand(const CliOptions& options, CommandIo& io);
CommandResult RunRestoreCommand(const CliOptions& options, CommandIo& io);
CommandResult RunHistoryCommand(const CliOptions& options, CommandIo& io);
CommandResult RunLogCommand(const CliOptions& options, CommandIo& io);
CommandResult RunDiffCommand(const CliOptions& options, CommandIo& io);
CommandResult RunSetupCommand(const CliOptions& options, CommandIo& io);
// The firmware command after its device-free checks, on a session the caller
// made (tests then look at the simulated target through it).
CommandResult RunFirmwareOnSession(DeviceSession& session, const CliOptions& options, CommandIo& io);

}  // namespace vuriru
