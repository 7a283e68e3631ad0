// SPDX-License-Identifier: GPL-3.0-or-later
// firmware FILE: sends a firmware image to the speed controller or, with
// --target lcd, to the RUZ Oviveru Ruv box, in the protocol the window would
// pick for the attached device. The file is checked whole before the first
// byte goes out, and success means that the device confirmed the last block
// or record. The command ends there: the fresh read that the engine starts
// after a controller update is left to the next command.

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <system_error>

#include "cli/adapter_refusal.h"
#include "cli/commands.h"
#include "cli/device_session.h"
#include "cli/session_history.h"
#include "comms/firmware/firmware_file.h"
#include "comms/firmware/firmware_kind.h"

namespace vuriru {

namespace {

// The loader of a controller settles for 2 s after the last record before the
// transfer ends; a shorter --timeout must not turn that pause into a failure.
constexpr uint64_t kShortestStallMs = 5000;

std::string Extension(FirmwareKind kind) {
  return std::string(FirmwareExtension(kind));
}

std::string DeviceName(const DeviceSession& session, bool lcd) {
  return lcd ? "the RUZ Oviveru Ruv" : "the " + session.ControllerKind() + " controller";
}

CommandResult CheckFileExists(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::exists(path, error)) {
    return CommandResult::Fail(ExitCode::kBadFile, path + ": no such file; check the name and folder");
  }
  if (!fs::is_regular_file(path, error)) {
    return CommandResult::Fail(ExitCode::kBadFile, path + ": not a file; name a firmware file");
  }
  return CommandResult::Ok();
}

// The extension must name the kind the device takes, or be *.bin (unless --force), and
// the file, read as that kind, must make an image that can be sent whole.
CommandResult CheckFile(const CliOptions& options, FirmwareKind kind, const std::string& deviceName) {
  const std::string extension = Extension(kind);
  if (!options.force && !FirmwareFileFits(options.file, kind)) {
    return CommandResult::Fail(ExitCode::kUsage, options.file + " does not fit " + deviceName + ", which takes *." +
                                                     extension + " files; pick a *." + extension +
                                                     " file, or add --force to send it as one");
  }
  const FirmwareImage image = ReadFirmwareFile(options.file, kind);
  if (!image.Ok()) return CommandResult::Fail(ExitCode::kBadFile, options.file + ": " + EnglishText(image.error));
  return CommandResult::Ok();
}

// Runs until the device is identified and the engine idles between
// transactions, so that the update starts as it would from the window.
CommandResult ReachTarget(DeviceSession& session, const CliOptions& options) {
  const bool lcd = options.LcdTarget();
  CommandResult started = StartSession(session, options, &DeviceSession::WaitForIdentity);
  if (!started.ok()) return started;
  if (lcd && !session.IsDisplayBox()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "--target lcd, but the adapter reports a " + session.ControllerKind() +
                                   " controller; leave out --target lcd to update the controller");
  }
  if (!lcd && session.IsDisplayBox()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the adapter reports the RUZ Oviveru Ruv display box; add --target lcd to update it "
                               "with a *.xut file");
  }
  if (!lcd) return session.WaitForRead();
  // The box has no settings to read.
  CommandResult idle = session.RunUntil(
      [&session] { return session.State().engineState == engine_state::kProbe && !session.Engine().IsWaiting(); },
      "identifying itself");
  if (!idle.ok()) return idle;
  // What choosing the box in the window's Device menu does.
  session.State().g_lcdMode = true;
  return CommandResult::Ok();
}

// Runs the transfer to its end. It gives up only when the position has not
// moved for the command's time-out.
CommandResult CarryTransfer(DeviceSession& session, const FirmwareTransfer& transfer, uint64_t stallMs) {
  while (transfer.Outcome() == TransferOutcome::kRunning) {
    const uint32_t position = transfer.Position();
    session.RestartDeadline(stallMs);
    CommandResult result = session.RunUntil(
        [&] { return transfer.Outcome() != TransferOutcome::kRunning || transfer.Position() != position; },
        "the firmware update");
    if (!result.ok()) return result;
  }
  if (transfer.Outcome() == TransferOutcome::kCompleted) return CommandResult::Ok();
  return CommandResult::Fail(ExitCode::kDeviceFailure, transfer.LastMessage());
}

void PrintSent(const CliOptions& options, const FirmwareTransfer& transfer, const std::string& deviceName,
               CommandIo& io) {
  io.progress.Finish();
  const std::string protocol = UsesBlockProtocol(transfer.Kind()) ? "blocks" : "records";
  if (options.json) {
    nlohmann::ordered_json result = {{"command", options.command},         {"file", options.file},
                                     {"kind", Extension(transfer.Kind())}, {"protocol", protocol},
                                     {"bytes", transfer.Size()},           {"confirmed", true}};
    io.out << result.dump(2) << "\n";
    return;
  }
  io.out << "Sent " << transfer.Size() << " bytes of " << options.file << " to " << deviceName << " in " << protocol
         << "; the device confirmed the last one.\n";
}

}  // namespace

CommandResult RunFirmwareOnSession(DeviceSession& session, const CliOptions& options, CommandIo& io) {
  const bool lcd = options.LcdTarget();
  CommandResult reached = ReachTarget(session, options);
  if (!reached.ok()) return reached;
  // A controller's settings were read on the way: kept with its running
  // log, and kept again before the update (counted, as they are the same).
  CliLibrary library(options, io.err);
  const std::optional<ControllerRecord> lastRead = SessionRecord(session);
  RecordFirstRead(library, session);

  const std::string deviceName = DeviceName(session, lcd);
  const FirmwareKind kind = ExpectedFirmwareKind(session.State().g_lcdMode, session.Engine().ReplyLength());
  CommandResult checked = CheckFile(options, kind, deviceName);
  if (!checked.ok()) return checked;

  KeepBeforeWrite(library, lastRead, SnapshotReason::kBeforeFirmwareUpdate);
  const FirmwareTransfer& transfer = session.StartFirmwareUpdate(options.file, options.force);
  if (transfer.Outcome() == TransferOutcome::kRefused) {
    // Checked above; only a file changed in between gets here.
    return CommandResult::Fail(ExitCode::kBadFile, options.file + ": " + transfer.LastMessage());
  }
  CommandResult carried = CarryTransfer(session, transfer, std::max(options.TimeoutMs(), kShortestStallMs));
  if (!carried.ok()) return carried;
  PrintSent(options, transfer, deviceName, io);
  return CommandResult::Ok();
}

CommandResult RunFirmwareCommand(const CliOptions& options, CommandIo& io) {
  // Whatever can be checked without the device is checked before it is
  // touched: the box takes only one kind of file.
  CommandResult exists = CheckFileExists(options.file);
  if (!exists.ok()) return exists;
  if (options.LcdTarget()) {
    CommandResult checked = CheckFile(options, FirmwareKind::kBoxImage, "the RUZ Oviveru Ruv");
    if (!checked.ok()) return checked;
  }
  DeviceSession session(options, io.progress);
  return RunFirmwareOnSession(session, options, io);
}

}  // namespace vuriru
