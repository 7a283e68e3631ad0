// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_app.h"

#include <algorithm>
#include <exception>

#include "cli/commands.h"
#include "sim/sim_fault.h"
#include "sim/sim_target_factory.h"

namespace vuriru {

namespace {

constexpr const char* kProgram = "vuriru-cli";

std::vector<CommandInfo> CommandInfos() {
  std::vector<CommandInfo> infos;
  for (const CliCommand& command : CliCommands()) infos.push_back(command.info);
  return infos;
}

CommandFn Find(const std::string& name) {
  for (const CliCommand& command : CliCommands()) {
    if (command.info.name == name) return command.run;
  }
  return nullptr;
}

}  // namespace

std::string CliHelpFooter() {
  return "Exit codes: 0 success, 1 device or protocol failure, 2 usage error, 3 bad or unwritable file.\n\n"
         "Simulated targets (--simulate KIND):\n" +
         SimTargetHelp() + "\nSimulator faults (--fault NAME):\n" + SimFaultHelp();
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal) {
  const std::vector<CommandInfo> infos = CommandInfos();
  const ParseOutcome parsed = ParseCommandLine(args, infos, CliHelpFooter());
  if (!parsed.run) {
    out << parsed.text;
    if (!parsed.error.empty()) err << kProgram << ": " << parsed.error << "\n";
    return static_cast<int>(parsed.code);
  }

  ProgressBar progress(err, errIsTerminal);
  CommandIo io{out, progress, err};
  CommandResult result;
  try {
    result = Find(parsed.options.command)(parsed.options, io);
  } catch (const std::exception& e) {
    // Nothing below is expected to throw; should it, the user still gets one line.
    result = CommandResult::Fail(ExitCode::kDeviceFailure, std::string("internal error: ") + e.what());
  }
  progress.Finish();
  if (!result.ok()) err << kProgram << ": " << result.message << "\n";
  return static_cast<int>(result.code);
}

}  // namespace vuriru
