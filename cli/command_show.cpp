// SPDX-License-Identifier: GPL-3.0-or-later
// show FILE: decodes a settings file (*.json, else *.DATA) without any
// device and prints it as `read` prints a controller.

#include "cli/cli_library.h"
#include "cli/commands.h"
#include "cli/report_output.h"
#include "cli/settings_source.h"

namespace vuriru {

CommandResult RunShowCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  LoadedSource source;
  CommandResult loaded = LoadFileSource(options.file, library, source);
  if (!loaded.ok()) return loaded;
  const EscData& data = source.data;
  ControllerReport report;
  if (!source.software.empty()) {
    report.kind = "full";
    report.software = source.software;
  }
  report.settings = &data.settings;
  report.boost = &data.boostCurve;
  report.brake = &data.brakeCurve;
  report.throttle = &data.throttleCurve;
  PrintReport(report, options.json, io.out);
  return CommandResult::Ok();
}

}  // namespace vuriru
