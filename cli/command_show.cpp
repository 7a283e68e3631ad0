// show FILE.DATA: decodes a settings file without any device and prints it
// as `read` prints a controller.

#include "cli/commands.h"
#include "cli/report_output.h"
#include "cli/settings_file_input.h"

namespace vuriru {

CommandResult RunShowCommand(const CliOptions& options, CommandIo& io) {
  EscData data;
  CommandResult loaded = LoadSettingsFile(options.file, data);
  if (!loaded.ok()) return loaded;
  ControllerReport report;
  report.settings = &data.settings;
  report.boost = &data.boostCurve;
  report.brake = &data.brakeCurve;
  report.throttle = &data.throttleCurve;
  PrintReport(report, options.json, io.out);
  return CommandResult::Ok();
}

}  // namespace vuriru
