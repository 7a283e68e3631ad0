#include "cli/commands.h"

namespace vuriru {

const std::vector<CliCommand>& CliCommands() {
  static const std::vector<CliCommand> commands = {
      {{"list", "List the attached link adapters and whether each can be opened", "", ""}, RunListCommand},
      {{"info", "Print the adapter's version, the controller's kind and its software version", "", ""}, RunInfoCommand},
      {{"read", "Read and print the controller's settings, running log and curves", "", ""}, RunReadCommand},
      {{"apply", "Store a settings file's settings and curves on a full controller, then check them", "FILE.DATA",
        "The settings file to store"},
       RunApplyCommand},
      {{"default", "Store the factory settings and curves, then check them", "", ""}, RunDefaultCommand},
      {{"export", "Read the controller and save its settings as a *.DATA file", "FILE.DATA",
        "Where to save; the name gets the extension .DATA"},
       RunExportCommand},
      {{"firmware",
        "Send a firmware file to the controller, or with --target lcd to the RUZ Oviveru Ruv, and wait for the "
        "device to confirm it",
        "FILE", "The firmware file: *.xut for the RUZ Oviveru Ruv, *.hgm or *.xup as the controller takes"},
       RunFirmwareCommand},
      {{"show", "Print a settings file as 'read' prints a controller (no device needed)", "FILE.DATA",
        "The settings file to print"},
       RunShowCommand},
      {{"doctor",
        "Check what a working link needs, from the HID backend and the udev rule to the adapter's reports, the "
        "controller's answer and the bitmap files, and say how to mend each failure",
        "", ""},
       RunDoctorCommand},
  };
  return commands;
}

}  // namespace vuriru
