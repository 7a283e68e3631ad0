// apply FILE.DATA and default: store settings and curves as the main
// window's Apply and Default do, then read everything back and compare, so
// that success means the controller holds what was sent.

#include <nlohmann/json.hpp>

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/page_actions.h"
#include "cli/read_back_check.h"
#include "cli/settings_file_input.h"
#include "v1/v1_settings_table.h"

namespace vuriru {

namespace {

SentCurves CurvesOf(const CurveSet& curves) {
  return {curves.boost.Stored(), curves.brake.Stored(), curves.throttle.Stored()};
}

CommandResult ConnectAndRead(DeviceSession& session, const CliOptions& options) {
  return StartSession(session, options, &DeviceSession::WaitForRead);
}

CommandResult Mismatch(const std::vector<std::string>& differences) {
  return CommandResult::Fail(ExitCode::kDeviceFailure,
                             "the controller does not hold what was sent: " + DescribeDifferences(differences) +
                                 "; repeat the command, and check the cable if it persists");
}

// Stores what the session holds now, reads it back and compares it.
CommandResult StoreAndVerify(DeviceSession& session, int32_t pressedCommand) {
  const SettingsBlock sentSettings = session.Settings();
  const V1SettingsBlock sentV1 = session.V1Settings();
  const SentCurves sentCurves = CurvesOf(session.Curves());
  CommandResult stored = session.Store(pressedCommand);
  if (!stored.ok()) return stored;
  CommandResult readBack = session.ReadAgain();
  if (!readBack.ok()) return readBack;
  std::vector<std::string> differences;
  if (session.IsV1Controller()) {
    differences = V1Differences(sentV1, session.V1Settings());
  } else {
    differences = SettingsDifferences(sentSettings, session.Settings());
    for (std::string& curve : CurveDifferences(sentCurves, CurvesOf(session.Curves()))) {
      differences.push_back(std::move(curve));
    }
  }
  if (!differences.empty()) return Mismatch(differences);
  return CommandResult::Ok();
}

void PrintStored(const CliOptions& options, const DeviceSession& session, const std::string& what, CommandIo& io) {
  io.progress.Finish();
  if (options.json) {
    nlohmann::ordered_json result = {
        {"command", options.command}, {"controller", session.ControllerKind()}, {"stored", what}, {"verified", true}};
    io.out << result.dump(2) << "\n";
    return;
  }
  io.out << "Stored " << what << " on the " << session.ControllerKind()
         << " controller; reading it back shows the same values.\n";
}

}  // namespace

CommandResult RunApplyCommand(const CliOptions& options, CommandIo& io) {
  // The file is checked before any device is touched.
  EscData data;
  CommandResult loaded = LoadSettingsFile(options.file, data);
  if (!loaded.ok()) return loaded;

  DeviceSession session(options, io.progress);
  CommandResult read = ConnectAndRead(session, options);
  if (!read.ok()) return read;
  if (!session.IsFullController()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "apply needs a full controller, but the adapter reports a " + session.ControllerKind() +
                                   " controller, which does not take *.DATA settings; use 'default' or 'read' with it");
  }
  TakeImportedData(data, session.Settings(), session.Curves());
  CommandResult stored = StoreAndVerify(session, command::kApply);
  if (!stored.ok()) return stored;
  PrintStored(options, session, options.file, io);
  return CommandResult::Ok();
}

CommandResult RunDefaultCommand(const CliOptions& options, CommandIo& io) {
  DeviceSession session(options, io.progress);
  CommandResult read = ConnectAndRead(session, options);
  if (!read.ok()) return read;
  if (session.IsV1Controller()) {
    session.V1Settings() = V1FactoryBlock(session.V1Settings().becShown);
  } else if (session.IsFullController()) {
    ApplyFactoryValues(session.Settings(), session.Curves());
  } else {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "default needs a speed controller, but the adapter reports a " +
                                   session.ControllerKind() + " controller; plug a speed controller into the adapter");
  }
  CommandResult stored = StoreAndVerify(session, command::kDefault);
  if (!stored.ok()) return stored;
  PrintStored(options, session, "the factory settings", io);
  return CommandResult::Ok();
}

}  // namespace vuriru
