// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

#include "library/library_path.h"
#include "sim/sim_target_factory.h"

namespace vuriru {

namespace {

#ifndef VURIRU_VERSION
#define VURIRU_VERSION "0.0.0"
#endif

constexpr const char* kProgram = "vuriru-cli";
constexpr double kLongestTimeoutSeconds = 24.0 * 3600.0;

std::string UsageError(const std::string& what) {
  return what + "; run '" + std::string(kProgram) + " --help' for the commands and options";
}

// The arguments and options of one command or action.
void AddArguments(CLI::App* sub, const CommandInfo& info, CliOptions& o) {
  if (!info.fileArgument.empty()) {
    sub->add_option("file", o.file, info.fileHelp)->type_name(info.fileArgument)->required();
  }
  if (!info.secondArgument.empty()) {
    auto* second = sub->add_option("second", o.second, info.secondHelp)->type_name(info.secondArgument);
    if (info.secondRequired) second->required();
  }
  if (info.name == "export") {
    sub->add_flag("--overwrite", o.overwrite, "Replace an existing file of the same name");
  }
  if (info.name == "apply") {
    sub->add_flag("--dry-run", o.dryRun, "Print what would change on the controller and write nothing");
  }
  if (info.name == "save") {
    sub->add_option("--note", o.note, "A note kept with the setup (\"Track A, wet, 17.5T\")")->type_name("TEXT");
    sub->add_flag("--overwrite", o.overwrite, "Replace a setup of the same name");
  }
  if (info.name == "log") {
    sub->add_flag("--csv", o.csv, "Print CSV (RFC 4180, times in UTC) instead of text");
    sub->add_option("--last", o.last, "Print only the newest N runs")->type_name("N")->check(CLI::PositiveNumber);
    sub->add_option("--set-note", o.setNote, "Give run ENTRY (its id, as 'log' prints it) the note TEXT")
        ->type_name("ENTRY TEXT")
        ->expected(2);
  }
  if (info.name == "firmware") {
    sub->add_option("--target", o.target,
                    "The device to update: the speed controller, or lcd for the RUZ Oviveru Ruv display box")
        ->type_name("DEVICE")
        ->check(CLI::IsMember({"controller", "lcd"}))
        ->capture_default_str();
    sub->add_flag("--force", o.force, "Send a file whose extension does not fit the device");
  }
}

}  // namespace

const std::vector<std::string>& SimulatedKindNames() {
  static const std::vector<std::string> kinds = [] {
    std::vector<std::string> names;
    for (const SimTargetInfo& target : SimTargetList()) names.emplace_back(target.name);
    return names;
  }();
  return kinds;
}

ParseOutcome ParseCommandLine(std::span<const std::string> args, std::span<const CommandInfo> commands,
                              const std::string& footer) {
  ParseOutcome outcome;
  CliOptions& o = outcome.options;

  CLI::App app("Reads, stores and exports the settings of a speed controller through the Vuriru USB link adapter.",
               kProgram);
  app.get_formatter()->label("SUBCOMMAND", "COMMAND");
  app.get_formatter()->label("OPTIONS", "options");
  app.get_formatter()->column_width(28);
  app.set_version_flag("--version", std::string(kProgram) + " " + VURIRU_VERSION);
  app.footer(footer);
  app.require_subcommand(1);

  auto* simulate = app.add_option("--simulate", o.simulate, "Use the simulated adapter with this target attached")
                       ->type_name("KIND")
                       ->check(CLI::IsMember(SimulatedKindNames()));
  app.add_option("--fault", o.faults, "Make the simulated adapter misbehave (repeatable; names below)")
      ->type_name("NAME")
      ->needs(simulate);
  app.add_flag("--virtual-time", o.virtualTime, "Run every timer on a virtual clock (with --simulate)")
      ->needs(simulate);
  app.add_option("--device", o.devicePath, "Use the adapter with this device path (see 'list')")->type_name("PATH");
  app.add_option("--timeout", o.timeoutSeconds,
                 "Give up after this many seconds (firmware: without progress), virtual ones with --virtual-time")
      ->type_name("SECONDS")
      ->check(CLI::Range(0.001, kLongestTimeoutSeconds))
      ->capture_default_str();
  app.add_flag("--json", o.json, "Print JSON instead of text");
  app.add_option("--trace", o.tracePath, "Record the link traffic in FILE")->type_name("FILE");
  std::string library;
  app.add_option("--library", library,
                 "Keep the history and the setups in this file (default: $XDG_DATA_HOME/vuriru-link/library.sqlite3)")
      ->type_name("FILE");
  app.add_option("--simulate-memory", o.simulateMemory,
                 "Keep the simulated controller's memory in FILE between runs (with --simulate)")
      ->type_name("FILE")
      ->needs(simulate);

  for (const CommandInfo& info : commands) {
    CLI::App* sub = app.add_subcommand(info.name, info.summary);
    sub->fallthrough();
    sub->group("Commands");
    AddArguments(sub, info, o);
    for (const CommandInfo& action : info.actions) {
      CLI::App* actionApp = sub->add_subcommand(action.name, action.summary);
      actionApp->fallthrough();
      AddArguments(actionApp, action, o);
      actionApp->callback([&o, name = action.name] { o.action = name; });
    }
    if (!info.actions.empty()) sub->require_subcommand(1);
    sub->callback([&o, name = info.name] { o.command = name; });
  }

  // CLI11 wants the arguments without the program name, last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  if (!reversed.empty()) {
    o.programPath = reversed.back();
    reversed.pop_back();
  }
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    outcome.text = app.help();
    return outcome;
  } catch (const CLI::CallForAllHelp&) {
    outcome.text = app.help("", CLI::AppFormatMode::All);
    return outcome;
  } catch (const CLI::CallForVersion& e) {
    outcome.text = std::string(e.what()) + "\n";
    return outcome;
  } catch (const CLI::ParseError& e) {
    outcome.code = ExitCode::kUsage;
    outcome.error = UsageError(e.what());
    return outcome;
  }
  o.libraryPath = library.empty() ? DefaultLibraryPath().string() : library;
  outcome.run = true;
  return outcome;
}

}  // namespace vuriru
