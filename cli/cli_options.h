// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of vuriru-cli: `vuriru-cli [options] COMMAND [ARGS]`.
// Parsing is CLI11's; this file only says which options and commands exist
// and turns CLI11's outcome into options to run, a help or version text, or
// one usage error line.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cli/exit_code.h"

namespace vuriru {

// The simulated targets --simulate accepts.
const std::vector<std::string>& SimulatedKindNames();

struct CliOptions {
  std::string command;
  std::string action;       // setup: save, list, delete or rename
  std::string programPath;  // how the program was started (argv[0])
  std::string file;         // the command's first argument, when it takes one
  std::string second;       // its second argument (diff's B, setup save's SOURCE, rename's NEW), when given
  std::string simulate;     // empty: a real adapter through hidapi
  std::vector<std::string> faults;
  bool virtualTime = false;
  std::string devicePath;
  double timeoutSeconds = 15.0;
  bool json = false;
  std::string tracePath;
  bool overwrite = false;
  // firmware: the device the update is for, "controller" or "lcd"
  // (the RUZ Oviveru Ruv, which the window's Device menu selects), and
  // whether a file whose extension does not fit it is sent anyway.
  std::string target = "controller";
  bool force = false;
  // The settings library; empty for none (a CliOptions made in code keeps
  // no history unless it names one).
  std::string libraryPath;
  // The simulated target's memory, kept in this file between runs.
  std::string simulateMemory;
  // apply: print what would change and write nothing.
  bool dryRun = false;
  // setup save: the setup's note.
  std::string note;
  // log: CSV instead of text, only the newest `last` entries (0: all), and
  // --set-note's entry id and text.
  bool csv = false;
  size_t last = 0;
  std::vector<std::string> setNote;

  bool LcdTarget() const { return target == "lcd"; }
  bool Simulated() const { return !simulate.empty(); }
  uint64_t TimeoutMs() const { return static_cast<uint64_t>(timeoutSeconds * 1000.0 + 0.5); }
};

// One command of the tool, for the parser and the help text.
struct CommandInfo {
  std::string name;
  std::string summary;
  std::string fileArgument;  // e.g. "FILE.DATA"; empty when the command takes none
  std::string fileHelp;
  // A second argument, e.g. diff's B; empty when the command takes none.
  std::string secondArgument;
  std::string secondHelp;
  bool secondRequired = false;
  // Commands of a command (setup save, setup list, ...); the chosen one's
  // name becomes CliOptions::action.
  std::vector<CommandInfo> actions;
};

struct ParseOutcome {
  bool run = false;  // `options` hold a command to run
  ExitCode code = ExitCode::kOk;
  std::string text;   // help or version text for stdout
  std::string error;  // a usage error, one line, for stderr
  CliOptions options;
};

// `footer` ends the help text (the simulator's fault names, say).
ParseOutcome ParseCommandLine(std::span<const std::string> args, std::span<const CommandInfo> commands,
                              const std::string& footer);

}  // namespace vuriru
