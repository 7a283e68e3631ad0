// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/fault_matrix/fault_matrix.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include "comms/engine/engine_messages.h"
#include "settings/settings_table.h"
#include "settings/settings_wire.h"
#include "tools/fault_matrix/matrix_rig.h"

namespace vuriru::matrix {

namespace {

// How long a transaction may take at the most, silence limits included.
constexpr uint64_t kTransactionLimitMs = 120000;
// After its end, the engine settles (a V1 store's closing byte, the next probe).
constexpr uint64_t kSettleMs = 1500;

SimTargetKind TargetOf(Row row) {
  switch (row) {
    case Row::kV1Read:
    case Row::kV1Send:
      return SimTargetKind::kV1;
    case Row::kFirmwareXut:
      return SimTargetKind::kLcd;
    case Row::kFirmwareHgm:
      return SimTargetKind::kV1Hgm;
    default:
      return SimTargetKind::kFull;
  }
}

bool IsFirmware(Row row) {
  return row == Row::kFirmwareXup || row == Row::kFirmwareXut || row == Row::kFirmwareHgm;
}

bool IsStore(Row row) {
  return row == Row::kApply || row == Row::kDefault || row == Row::kV1Send;
}

std::vector<uint8_t> Image(Row row) {
  std::vector<uint8_t> image;
  if (row == Row::kFirmwareXup) {
    // Four records of 100 bytes, length bytes included; bodies avoid the probe bytes.
    for (int record = 0; record < 4; ++record) {
      image.push_back(0);
      image.push_back(98);
      for (int i = 0; i < 98; ++i) image.push_back(static_cast<uint8_t>((record * 98 + i) * 7 % 0xD0));
    }
    return image;
  }
  for (size_t i = 0; i < 1300; ++i) image.push_back(static_cast<uint8_t>((i * 31 + i / 251) & 0xFF));
  return image;
}

std::string WriteFirmwareFile(Row row, const std::vector<uint8_t>& image) {
  static int serial = 0;
  const char* extension = row == Row::kFirmwareXup ? "xup" : row == Row::kFirmwareXut ? "xut" : "hgm";
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("vuriru_matrix_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + "." + extension);
  std::ofstream out(path, std::ios::binary);
  if (row == Row::kFirmwareXup) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (uint8_t b : image) out << kDigits[b >> 4] << kDigits[b & 0xF];
  } else {
    for (uint8_t b : image) out.put(static_cast<char>(b ^ 0x5B));
  }
  return path.string();
}

bool IsSuccessNotice(const std::string& told) {
  return told.rfind("Up Date Complete!:", 0) == 0;
}

uint32_t FailureMessages(const MatrixRig& rig, size_t from) {
  uint32_t count = 0;
  for (size_t i = from; i < rig.dialogs.told.size(); ++i) count += IsSuccessNotice(rig.dialogs.told[i]) ? 0 : 1;
  return count;
}

bool HasEvent(const MatrixRig& rig, size_t from, const std::function<bool(const EngineEvent&)>& match) {
  for (size_t i = from; i < rig.events.events.size(); ++i) {
    if (match(rig.events.events[i])) return true;
  }
  return false;
}

void SetFault(MatrixRig& rig, const Fault& fault) {
  SimFaults& faults = rig.Adapter().Faults();
  switch (fault.kind) {
    case FaultKind::kNone:
      break;
    case FaultKind::kSilent:
      faults.Set(SimFault::kNoAnswer);
      break;
    case FaultKind::kNoVersion:
      faults.Set(SimFault::kNoVersionAnswer);
      break;
    case FaultKind::kSplit20:
      faults.Set(SimFault::kSplit20);
      break;
    case FaultKind::kBadCurveCheck:
      faults.Set(SimFault::kBadCurveCheck);
      break;
    case FaultKind::kNoFirstAck:
      faults.Set(SimFault::kNoFirstAck);
      break;
    case FaultKind::kGarbage:
      faults.Set(SimFault::kGarbage);
      break;
    case FaultKind::kPullAfter:
      faults.Set(SimFault::kPullAfterBytes);
      break;
    case FaultKind::kRefuseBlock:
      faults.Set(SimFault::kBlockRefused);
      faults.refusedBlock = fault.step;
      break;
  }
}

// What a transaction changes on the controller, and how to tell it there.
struct Expected {
  std::vector<uint8_t> oldImage;  // firmware: the image before
  std::vector<uint8_t> newImage;
  std::vector<uint8_t> oldSettings;
  uint8_t settingByte = 0;  // the settings reply byte the store changes
  uint8_t newValue = 0;
};

// Starts the row's transaction the way the window (or the V1 panel) does.
void StartTransaction(MatrixRig& rig, Row row, Expected& expected) {
  expected.oldSettings = rig.Memory().settings;
  switch (row) {
    case Row::kFirstRead:
      break;
    case Row::kApply:
      rig.settings.Current(Setting::PunchRate1) = (rig.settings.Current(Setting::PunchRate1) + 7) % 30;
      expected.settingByte = 6;
      expected.newValue = static_cast<uint8_t>(rig.settings.Current(Setting::PunchRate1));
      rig.controller.OnApply();
      break;
    case Row::kDefault:
      expected.settingByte = 6;
      expected.newValue = static_cast<uint8_t>(SettingRowFor(Setting::PunchRate1).factoryIndex);
      rig.controller.OnDefault();
      break;
    case Row::kV1Read:
      rig.engine.StartV1Read();
      break;
    case Row::kV1Send: {
      int32_t& neutral = rig.v1[V1Setting::NeutralRange];
      neutral = (neutral + 1) % 6;
      expected.settingByte = 10;
      expected.newValue = static_cast<uint8_t>(neutral);
      // What the V1 panel's "Send Settings" does with the link open.
      rig.state.g_progressRange = kProgressRangeRead;
      rig.state.g_transferPending = 1;
      rig.engine.PrepareUserStore(Transaction::kV1Store);
      rig.engine.SendSettings();
      break;
    }
    default:
      expected.oldImage = rig.Memory().firmwareImage;
      expected.newImage = Image(row);
      rig.dialogs.firmwareFile = WriteFirmwareFile(row, expected.newImage);
      rig.controller.StartFirmwareUpdate();
      break;
  }
}

// The transaction has ended when it reports its end, or the adapter is gone.
bool Ended(MatrixRig& rig, Row row, size_t eventsFrom, size_t toldFrom) {
  if (FailureMessages(rig, toldFrom) > 0) return true;
  if (!rig.Adapter().Plugged()) return true;
  if (IsFirmware(row)) {
    const FirmwareTransfer* transfer = rig.controller.Firmware();
    return transfer != nullptr && transfer->Outcome() != TransferOutcome::kRunning;
  }
  return HasEvent(rig, eventsFrom, [row](const EngineEvent& e) {
    switch (row) {
      case Row::kFirstRead:
        return e.kind == EngineEventKind::kCurvesRead;
      case Row::kV1Read:
        return e.kind == EngineEventKind::kSettingsRead && e.read == SettingsReadStep::kV1ReadEnd;
      default:
        return e.kind == EngineEventKind::kStoreDone || e.kind == EngineEventKind::kTransferEnded;
    }
  });
}

bool Succeeded(MatrixRig& rig, Row row, const Expected& expected, size_t eventsFrom) {
  switch (row) {
    case Row::kFirstRead:
      return rig.ReadDone() &&
             HasEvent(rig, eventsFrom, [](const EngineEvent& e) { return e.kind == EngineEventKind::kCurvesRead; });
    case Row::kV1Read:
      return HasEvent(rig, eventsFrom, [](const EngineEvent& e) { return e.showValues; });
    case Row::kApply:
    case Row::kDefault:
    case Row::kV1Send:
      return HasEvent(rig, eventsFrom, [](const EngineEvent& e) { return e.kind == EngineEventKind::kStoreDone; }) &&
             rig.Memory().settings.size() > expected.settingByte &&
             rig.Memory().settings[expected.settingByte] == expected.newValue;
    default: {
      const FirmwareTransfer* transfer = rig.controller.Firmware();
      return transfer != nullptr && transfer->Outcome() == TransferOutcome::kCompleted &&
             rig.Memory().firmwareImage == expected.newImage;
    }
  }
}

}  // namespace

const std::vector<Row>& AllRows() {
  static const std::vector<Row> rows = {Row::kFirstRead, Row::kApply,       Row::kDefault,     Row::kV1Read,
                                        Row::kV1Send,    Row::kFirmwareXup, Row::kFirmwareXut, Row::kFirmwareHgm};
  return rows;
}

std::string RowName(Row row) {
  switch (row) {
    case Row::kFirstRead:
      return "first read";
    case Row::kApply:
      return "Apply";
    case Row::kDefault:
      return "Default";
    case Row::kV1Read:
      return "V1 read";
    case Row::kV1Send:
      return "V1 send";
    case Row::kFirmwareXup:
      return "firmware *.xup";
    case Row::kFirmwareXut:
      return "firmware *.xut";
    case Row::kFirmwareHgm:
      return "firmware *.hgm";
  }
  return "?";
}

std::string FaultName(const Fault& fault) {
  switch (fault.kind) {
    case FaultKind::kNone:
      return "none";
    case FaultKind::kSilent:
      return "silent";
    case FaultKind::kNoVersion:
      return "no-version";
    case FaultKind::kSplit20:
      return "split-20";
    case FaultKind::kBadCurveCheck:
      return "bad-curve-check";
    case FaultKind::kNoFirstAck:
      return "no-first-ack";
    case FaultKind::kGarbage:
      return "garbage";
    case FaultKind::kPullAfter:
      return "pull after write " + std::to_string(fault.step + 1);
    case FaultKind::kRefuseBlock:
      return "refuse-block=" + std::to_string(fault.step);
  }
  return "?";
}

std::string VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::kNotApplicable:
      return "n/a";
    case Verdict::kSucceeded:
      return "succeeds";
    case Verdict::kFailedAndTold:
      return "fails, told once";
    case Verdict::kWaitsForDevice:
      return "waits for the device";
    case Verdict::kBroken:
      return "BROKEN";
  }
  return "?";
}

namespace {

// The sizes of the writes the row's transaction makes without a fault.
std::vector<uint32_t> WritesOf(Row row) {
  MatrixRig rig(TargetOf(row));
  std::vector<uint32_t> sizes;
  size_t from = 0;
  if (row != Row::kFirstRead) {
    if (!rig.StartAndSettle()) return sizes;
    from = rig.Memory().writes.size();
  } else {
    rig.controller.Start();
  }
  Expected expected;
  const size_t eventsFrom = rig.events.events.size();
  StartTransaction(rig, row, expected);
  rig.RunUntil([&] { return Ended(rig, row, eventsFrom, 0); }, kTransactionLimitMs);
  const auto& writes = rig.Memory().writes;
  for (size_t i = from; i < writes.size(); ++i) sizes.push_back(static_cast<uint32_t>(writes[i].size()));
  return sizes;
}

}  // namespace

std::vector<Fault> FaultsFor(Row row) {
  std::vector<Fault> faults = {{FaultKind::kNone},    {FaultKind::kSilent},        {FaultKind::kNoVersion},
                               {FaultKind::kSplit20}, {FaultKind::kBadCurveCheck}, {FaultKind::kNoFirstAck},
                               {FaultKind::kGarbage}, {FaultKind::kRefuseBlock, 1}};
  const std::vector<uint32_t> writes = WritesOf(row);
  for (uint32_t step = 0; step < writes.size(); ++step) faults.push_back({FaultKind::kPullAfter, step});
  return faults;
}

CellResult RunCell(Row row, const Fault& fault) {
  CellResult result;
  if (fault.kind == FaultKind::kRefuseBlock && !IsFirmware(row)) {
    result.verdict = Verdict::kNotApplicable;
    result.outcome = "no firmware blocks";
    return result;
  }
  MatrixRig rig(TargetOf(row));
  if (row == Row::kFirstRead) {
    SetFault(rig, fault);
    if (fault.kind == FaultKind::kPullAfter) rig.Adapter().Faults().pullAfterBytes = 0;
  } else if (!rig.StartAndSettle()) {
    result.verdict = Verdict::kBroken;
    result.problems.push_back("the device could not be read before the transaction");
    return result;
  }

  uint32_t pullAt = 0;
  if (fault.kind == FaultKind::kPullAfter) {
    // The byte count at which the fault-free transaction's write `step` ends.
    const std::vector<uint32_t> writes = WritesOf(row);
    pullAt = rig.Adapter().BytesWritten();
    if (row == Row::kFirstRead) pullAt = 0;
    for (uint32_t i = 0; i <= fault.step && i < writes.size(); ++i) pullAt += writes[i];
  }
  if (row != Row::kFirstRead) SetFault(rig, fault);
  if (fault.kind == FaultKind::kPullAfter) rig.Adapter().Faults().pullAfterBytes = std::max<uint32_t>(pullAt, 1);

  const size_t eventsFrom = rig.events.events.size();
  const size_t toldFrom = rig.dialogs.told.size();
  const uint64_t startedAt = rig.clock.NowMs();
  Expected expected;
  if (row == Row::kFirstRead) {
    rig.controller.Start();
  } else {
    StartTransaction(rig, row, expected);
  }
  const bool ended = rig.RunUntil([&] { return Ended(rig, row, eventsFrom, toldFrom); }, kTransactionLimitMs);
  result.virtualMs = rig.clock.NowMs() - startedAt;
  // What the user was told about this transaction; a later one (the read
  // after an update, say) tells its own.
  rig.clock.AdvanceBy(1000);
  result.failureMessages = FailureMessages(rig, toldFrom);
  // The engine settles: the V1 store's closing byte, the fresh read after
  // an update.
  rig.RunUntil(
      [&] {
        const uint8_t state = rig.state.engineState;
        const bool reading = state >= engine_state::kIdle && state <= engine_state::kSettingsReply;
        return !rig.link.IsOpen() || !rig.clock.IsTimerRunning(timer_id::kEngine) ||
               (reading && !rig.engine.IsWaiting() &&
                (rig.ReadDone() || rig.state.g_transferPending == 0 ||
                 FailureMessages(rig, toldFrom) > result.failureMessages));
      },
      30000);
  rig.clock.AdvanceBy(kSettleMs);
  if (!rig.dialogs.firmwareFile.empty()) std::filesystem::remove(rig.dialogs.firmwareFile);

  const bool success = ended && Succeeded(rig, row, expected, eventsFrom);
  if (success) {
    result.verdict = Verdict::kSucceeded;
    result.outcome = IsStore(row) ? "stored" : IsFirmware(row) ? "updated" : "read";
    if (result.failureMessages != 0) result.problems.push_back("a success was reported as a failure");
  } else if (result.failureMessages > 0) {
    result.verdict = Verdict::kFailedAndTold;
    // The message's first sentence, without its (empty) caption.
    std::string told = rig.dialogs.told[toldFrom];
    told = told.substr(told.find(": ") + 2);
    result.outcome = "\"" + told.substr(0, told.find('.') == std::string::npos ? told.size() : told.find('.')) + "\"";
    if (result.failureMessages > 1) {
      result.problems.push_back("told " + std::to_string(result.failureMessages) + " times");
    }
  } else if (IsFirmware(row) && (rig.state.engineState == 6 || rig.state.engineState == 13)) {
    // The device never answered the update's start byte, which is repeated
    // without limit; before its first answer commands stay free.
    // The box's update in its own mode also waits through a removal, since
    // the box re-enumerates when it restarts.
    result.verdict = Verdict::kWaitsForDevice;
    result.outcome = rig.Adapter().Plugged() ? "start byte repeated" : "waits for the box to come back";
    // The box alone never frees commands (nothing is read from it).
    if (rig.state.g_transferPending != 0 && !rig.box) {
      result.problems.push_back("commands refused while only waiting");
    }
  } else if (!rig.link.IsOpen() || rig.state.g_adapterReady == 0 || rig.state.g_escPresent == 0) {
    // Nothing answered a start, or no controller was found: the window shows
    // it on its indicators and commands stay free.
    result.verdict = Verdict::kWaitsForDevice;
    result.outcome = !rig.Adapter().Plugged()        ? "adapter gone, nothing was running"
                     : rig.state.g_adapterReady == 0 ? "adapter silent"
                                                     : "no controller answers";
  } else {
    result.verdict = Verdict::kBroken;
    result.outcome = "neither done nor told";
    result.problems.push_back("the transaction neither ended nor said why");
  }

  // The rules every ending keeps.
  const bool rereading = rig.state.engineState >= engine_state::kSoftwareVersion && rig.state.g_transferPending != 0;
  if (rig.view.progressShown && result.verdict != Verdict::kWaitsForDevice && !rereading) {
    result.problems.push_back("the progress dialog stayed on screen");
  }
  if (rig.state.g_pressedCommand != command::kNone) result.problems.push_back("the command button stayed pressed");
  // Idle, or finding and reading the controller (a read after an update that
  // meets the fault anew), or the link gone: never stuck in a store.
  const uint8_t engineState = rig.state.engineState;
  const bool idle = engineState <= engine_state::kSettingsReply || !rig.link.IsOpen() ||
                    (engineState == engine_state::kReadCurves && IsFirmware(row));
  const bool stoppedAfterFailedTransfer = IsFirmware(row) && result.verdict == Verdict::kFailedAndTold;
  const bool waitingForBox = result.verdict == Verdict::kWaitsForDevice;
  if (!idle && !stoppedAfterFailedTransfer && !waitingForBox) {
    result.problems.push_back("the engine stayed in state " + std::to_string(engineState));
  }
  if (result.verdict == Verdict::kFailedAndTold && rig.state.g_transferPending != 0 && rig.link.IsOpen() &&
      rig.state.settingsRead == 1) {
    result.problems.push_back("commands stayed refused after the failure");
  }
  if (IsStore(row) && result.verdict != Verdict::kSucceeded) {
    const auto& now = rig.Memory().settings;
    const bool old = now == expected.oldSettings;
    const bool told = result.failureMessages > 0;
    if (!old && !told) result.problems.push_back("the controller was changed without a word");
  }
  if (IsFirmware(row) && result.verdict != Verdict::kSucceeded && result.failureMessages == 0 &&
      rig.Memory().firmwareImage != expected.oldImage) {
    result.problems.push_back("the firmware changed without a word");
  }
  if (!result.problems.empty()) result.verdict = Verdict::kBroken;
  // VURIRU_MATRIX_TRACE=1: the cell's events and messages on stderr, for
  // looking into one cell (vuriru-fault-matrix --cell ROW FAULT).
  if (std::getenv("VURIRU_MATRIX_TRACE") != nullptr) {
    for (size_t i = eventsFrom; i < rig.events.events.size(); ++i) {
      std::fprintf(stderr, "  %s\n", DescribeEvent(rig.events.events[i]).c_str());
    }
    for (size_t i = toldFrom; i < rig.dialogs.told.size(); ++i)
      std::fprintf(stderr, "  told %s\n", rig.dialogs.told[i].c_str());
    const FirmwareTransfer* transfer = rig.controller.Firmware();
    if (transfer != nullptr) std::fprintf(stderr, "  transfer outcome %d\n", static_cast<int>(transfer->Outcome()));
  }
  return result;
}

}  // namespace vuriru::matrix
