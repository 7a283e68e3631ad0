// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

namespace vuriru {

namespace {

const char* const kSourceHelp =
    "A settings file (FILE.DATA or FILE.json), a snapshot id, a setup name, or 'device' (the controller), taken in "
    "this order";

CommandInfo Info(std::string name, std::string summary, std::string file = "", std::string fileHelp = "") {
  CommandInfo info;
  info.name = std::move(name);
  info.summary = std::move(summary);
  info.fileArgument = std::move(file);
  info.fileHelp = std::move(fileHelp);
  return info;
}

CommandInfo WithSecond(CommandInfo info, std::string second, std::string help, bool required) {
  info.secondArgument = std::move(second);
  info.secondHelp = std::move(help);
  info.secondRequired = required;
  return info;
}

CommandInfo WithActions(CommandInfo info, std::vector<CommandInfo> actions) {
  info.actions = std::move(actions);
  return info;
}

}  // namespace

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {Info("list", "List the attached link adapters and whether each can be opened"), RunListCommand},
      {Info("info", "Print the adapter's version, the controller's kind and its software version"), RunInfoCommand},
      {Info("read", "Read and print the controller's settings, running log and curves"), RunReadCommand},
      {Info("apply",
            "Store settings and curves on a full controller, then check them; with --dry-run print what would change",
            "SOURCE", std::string(kSourceHelp) + "; FILE.DATA or FILE.json for a settings file"),
       RunApplyCommand},
      {Info("restore", "Store a snapshot or a setup on a full controller, then check it", "ID|NAME",
            "A snapshot id or a setup name ('history' lists them)"),
       RunRestoreCommand},
      {Info("default", "Store the factory settings and curves, then check them"), RunDefaultCommand},
      {Info("export", "Read the controller and save its settings as a *.DATA file, or as JSON for a *.json name",
            "FILE.DATA|FILE.json", "Where to save; a name not ending in .json gets the extension .DATA"),
       RunExportCommand},
      {Info("firmware",
            "Send a firmware file to the controller, or with --target lcd to the RUZ Oviveru Ruv, and wait for the "
            "device to confirm it",
            "FILE", "The firmware file: *.xut for the RUZ Oviveru Ruv, *.hgm or *.xup as the controller takes"),
       RunFirmwareCommand},
      {Info("show", "Print a settings file as 'read' prints a controller (no device needed)", "FILE.DATA|FILE.json",
            "The settings file to print"),
       RunShowCommand},
      {Info("history", "List the snapshots and setups the library keeps, newest first, with their ids"),
       RunHistoryCommand},
      {Info("log",
            "Print the running log kept at every read of a full controller, oldest first: lowest voltage, highest "
            "temperatures and rpm of each run, with notes; --set-note ENTRY TEXT notes a run"),
       RunLogCommand},
      {WithSecond(Info("diff", "Print what changes from A to B", "A", kSourceHelp), "B",
                  std::string(kSourceHelp) + "; 'device' when left out", false),
       RunDiffCommand},
      {WithActions(Info("setup",
                        "Keep settings under a name: setup save NAME [--note TEXT] [SOURCE], setup list, "
                        "setup delete NAME, setup rename OLD NEW"),
                   {
                       WithSecond(Info("save",
                                       "Save settings as a setup, from the controller unless SOURCE names "
                                       "others",
                                       "NAME", "The setup's name"),
                                  "SOURCE", kSourceHelp, false),
                       Info("list", "List the setups, newest first"),
                       Info("delete", "Delete a setup", "NAME", "The setup's name"),
                       WithSecond(Info("rename", "Give a setup another name", "OLD", "The setup's name"), "NEW",
                                  "Its new name", true),
                   }),
       RunSetupCommand},
      {Info("doctor",
            "Check what a working link needs, from the HID backend and the udev rule to the adapter's reports, the "
            "controller's answer and the bitmap files, and say how to mend each failure"),
       RunDoctorCommand},
  };
  return commands;
}

}  // namespace vuriru
