// SPDX-License-Identifier: GPL-3.0-or-later
// apply, restore and default: store settings and curves as the main
// window's Apply and Default do, then read everything back and compare, so
// that success means the controller holds what was sent. Each keeps its
// snapshots in the library: what was read, what the controller held before
// the write, and the read-back after it. apply --dry-run only prints what
// would change.

#include <nlohmann/json.hpp>

#include "cli/adapter_refusal.h"
#include "cli/change_output.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/page_actions.h"
#include "cli/read_back_check.h"
#include "cli/session_history.h"
#include "cli/settings_source.h"
#include "files/settings_review.h"
#include "v1/v1_settings_table.h"

namespace vuriru {

namespace {

SentCurves CurvesOf(const CurveSet& curves) {
  return {curves.boost.Stored(), curves.brake.Stored(), curves.throttle.Stored()};
}

CommandResult Mismatch(const std::vector<std::string>& differences) {
  return CommandResult::Fail(ExitCode::kDeviceFailure,
                             "the controller does not hold what was sent: " + DescribeDifferences(differences) +
                                 "; repeat the command, and check the cable if it persists");
}

// Stores what the session holds now, reads it back, keeps the read-back as
// the `after` snapshot and compares it with what was sent.
CommandResult StoreAndVerify(DeviceSession& session, int32_t pressedCommand, CliLibrary& library,
                             SnapshotReason after) {
  const SettingsBlock sentSettings = session.Settings();
  const V1SettingsBlock sentV1 = session.V1Settings();
  const SentCurves sentCurves = CurvesOf(session.Curves());
  CommandResult stored = session.Store(pressedCommand);
  if (!stored.ok()) return stored;
  CommandResult readBack = session.ReadAgain();
  if (!readBack.ok()) return readBack;
  RecordSnapshot(library, SessionRecord(session), after);
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

CommandResult NeedsFullController(const CliOptions& options, const DeviceSession& session) {
  return CommandResult::Fail(ExitCode::kDeviceFailure,
                             options.command + " needs a full controller, but the adapter reports a " +
                                 session.ControllerKind() +
                                 " controller, which does not take these settings; use 'default' or 'read' with it");
}

// Stores a file, a snapshot or a setup on a full controller, or with
// --dry-run prints what storing it would change.
CommandResult StoreSource(const CliOptions& options, const SourceArgument& argument, CommandIo& io) {
  CliLibrary library(options, io.err);
  // The source is checked before any device is touched.
  LoadedSource source;
  CommandResult loaded = LoadSource(argument, library, source);
  if (!loaded.ok()) return loaded;

  DeviceSession session(options, io.progress);
  CommandResult read = ReadAndRecord(session, options, library);
  if (!read.ok()) return read;
  if (!session.IsFullController()) return NeedsFullController(options, session);
  const std::optional<ControllerRecord> lastRead = SessionRecord(session);
  if (options.dryRun) {
    const EscData onController = CurrentEscData(session.Settings(), session.Curves());
    TakeImportedData(source.data, session.Settings(), session.Curves());
    const EscData wouldSend = CurrentEscData(session.Settings(), session.Curves());
    io.progress.Finish();
    PrintChanges(CompareEscData(onController, wouldSend, ReviewScope::kStored), "the controller", source.label,
                 options.json, io.out);
    return CommandResult::Ok();
  }
  TakeImportedData(source.data, session.Settings(), session.Curves());
  KeepBeforeWrite(library, lastRead, SnapshotReason::kBeforeApply);
  CommandResult stored = StoreAndVerify(session, command::kApply, library, SnapshotReason::kAfterApply);
  if (!stored.ok()) return stored;
  PrintStored(options, session, source.label, io);
  return CommandResult::Ok();
}

}  // namespace

CommandResult RunApplyCommand(const CliOptions& options, CommandIo& io) {
  const SourceArgument argument = ClassifySource(options.file);
  if (argument.kind == SourceKind::kDevice) {
    return CommandResult::Fail(ExitCode::kUsage,
                               "apply needs settings to store: a file, a snapshot id or a setup name, not the device");
  }
  return StoreSource(options, argument, io);
}

CommandResult RunRestoreCommand(const CliOptions& options, CommandIo& io) {
  const SourceArgument argument = ClassifySource(options.file);
  if (argument.kind == SourceKind::kDevice || argument.kind == SourceKind::kFile) {
    return CommandResult::Fail(ExitCode::kUsage,
                               "restore takes a snapshot id or a setup name ('history' lists them); "
                               "use 'apply' to store a settings file");
  }
  return StoreSource(options, argument, io);
}

CommandResult RunDefaultCommand(const CliOptions& options, CommandIo& io) {
  CliLibrary library(options, io.err);
  DeviceSession session(options, io.progress);
  CommandResult read = ReadAndRecord(session, options, library);
  if (!read.ok()) return read;
  const std::optional<ControllerRecord> lastRead = SessionRecord(session);
  if (session.IsV1Controller()) {
    session.V1Settings() = V1FactoryBlock(session.V1Settings().becShown);
    KeepBeforeWrite(library, lastRead, SnapshotReason::kBeforeV1Send);
  } else if (session.IsFullController()) {
    ApplyFactoryValues(session.Settings(), session.Curves());
    KeepBeforeWrite(library, lastRead, SnapshotReason::kBeforeDefault);
  } else {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "default needs a speed controller, but the adapter reports a " +
                                   session.ControllerKind() + " controller; plug a speed controller into the adapter");
  }
  CommandResult stored = StoreAndVerify(session, command::kDefault, library, SnapshotReason::kAfterDefault);
  if (!stored.ok()) return stored;
  PrintStored(options, session, "the factory settings", io);
  return CommandResult::Ok();
}

}  // namespace vuriru
