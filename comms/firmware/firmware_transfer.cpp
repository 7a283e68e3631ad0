// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/firmware/firmware_transfer.h"

#include "common/user_text.h"
#include "comms/engine/engine_commands.h"
#include "comms/engine/progress_text.h"
#include "comms/firmware/block_protocol.h"
#include "comms/firmware/firmware_file.h"
#include "comms/firmware/firmware_messages.h"
#include "comms/firmware/record_protocol.h"

namespace vuriru {
namespace {

constexpr const char* kSendToEscTitle = VURIRU_TEXT("Messages", "Send to Esc Process......");

}  // namespace

FirmwareTransfer::FirmwareTransfer(TransactionEngine& engine, FirmwareHost& host)
    : m_engine(engine), m_state(engine.State()), m_firmwareHost(host) {
  m_engine.SetFirmwareHandler(this);
}

FirmwareTransfer::~FirmwareTransfer() {
  m_engine.SetFirmwareHandler(nullptr);
}

uint32_t FirmwareTransfer::PercentDone() const {
  return ProgressPercent(m_position, Size());
}

void FirmwareTransfer::SendFirmwareFile() {
  if (!m_state.g_lcdMode && !(m_state.g_adapterReady && m_state.g_escPresent)) {
    m_outcome = TransferOutcome::kRefused;
    m_lastMessage = NoFirmwareTargetMessage();
    m_engine.Tell(m_lastMessage);
    return;
  }
  m_engine.PrepareCommand();
  // A transfer still under way is abandoned by this one: give back what it
  // held, or a cancelled choice would leave every command refused.
  if (m_outcome == TransferOutcome::kRunning) ReleaseAfterTransfer();

  const FirmwareKind kind = ExpectedFirmwareKind(m_state.g_lcdMode, m_engine.ReplyLength());
  // The idle probe that follows a file that is not sent.
  const uint8_t probe = kind == FirmwareKind::kRecords ? engine_cmd::kProbeB : engine_cmd::kProbeA;
  const std::string path = m_firmwareHost.ChooseFirmwareFile(FirmwareFileFilter(kind), FirmwareDefaultFileName(kind));
  if (path.empty()) {
    m_outcome = TransferOutcome::kRefused;
    m_lastMessage = {};
    m_engine.ReturnToIdle(probe);
    return;
  }
  // "All files" lets any file be picked; only the target's kind and *.bin
  // images are sent, so that no other device's firmware reaches this one.
  if (!m_anyExtension && !FirmwareFileFits(path, kind)) {
    const size_t slash = path.find_last_of('/');
    Refuse(FirmwareKindMismatchMessage(slash == std::string::npos ? path : path.substr(slash + 1),
                                       std::string(FirmwareExtension(kind))),
           probe);
    return;
  }
  FirmwareImage image = ReadFirmwareFile(path, kind);
  if (!image.Ok()) {
    Refuse(image.error, probe);
    return;
  }

  m_kind = kind;
  m_image = std::move(image.bytes);
  m_position = 0;
  m_recordLength = 0;
  m_silentTicks = 0;
  m_retry = 0;
  m_collector.Clear();
  m_lcdModeAtStart = m_state.g_lcdMode;
  m_outcome = TransferOutcome::kRunning;
  m_lastMessage = {};
  if (UsesBlockProtocol(kind)) {
    StartBlockTransfer();
  } else {
    StartRecordTransfer();
  }
}

void FirmwareTransfer::StartBlockTransfer() {
  if (m_kind == FirmwareKind::kBoxImage) {
    m_startByte = kBlockStart;
    m_engine.RestartTick(1000);
    m_engine.SendByte(kBlockStart);
    m_state.engineState = firmware_state::kBlockStart;
    m_state.g_lcdUpdating = true;
    m_state.g_progressPos = 0;
    m_engine.ReportProgress(ProgressStep::kShow, kSendToEscTitle);
    m_engine.ReportProgress(ProgressStep::kCaption, m_engine.DataProgressText());
    return;
  }
  // A V1 model that takes *.hgm files starts its loader on the record start
  // byte, so that is also the byte repeated until it answers.
  m_startByte = kRecordStart;
  if (m_state.g_deviceType == device_type::kFull) ShowTransferProgressSetUp(kTransferringFormat);
  m_engine.SendByte(kRecordStart);
  m_state.engineState = firmware_state::kBlockStart;
  m_engine.RestartTick(200);
}

void FirmwareTransfer::StartRecordTransfer() {
  m_startByte = kRecordStart;
  if (m_state.g_deviceType == device_type::kFull) ShowTransferProgressSetUp(kTransferringFormat);
  m_engine.SendByte(kRecordStart);
  m_state.engineState = firmware_state::kRecordStart;
  m_engine.RestartTick(200);
}

void FirmwareTransfer::ShowTransferProgressSetUp(const char* format) {
  m_state.g_progressRange = Size();
  m_state.g_progressPos = 1;
  m_engine.ReportProgress(ProgressStep::kShow, kSendToEscTitle);
  m_engine.ReportProgress(ProgressStep::kCaption,
                          FormatProgressText(format, ProgressPercent(m_state.g_progressPos, m_state.g_progressRange)));
}

void FirmwareTransfer::Refuse(const UserText& message, uint8_t probe) {
  m_outcome = TransferOutcome::kRefused;
  m_lastMessage = message;
  m_engine.Tell(message);
  m_engine.ReturnToIdle(probe);
}

void FirmwareTransfer::Fail(const UserText& message) {
  // The engine stays stopped, so that no probe reaches a device that may hold
  // part of an image; but the transfer is over, so commands are taken again
  // and the update can be started again at once, without re-plugging.
  m_engine.StopTick();
  m_outcome = TransferOutcome::kFailed;
  m_lastMessage = message;
  ReleaseAfterTransfer();
  m_engine.Report(engine_event::TransferEnded(TransferEnding::kFirmwareFailed, Transaction::kFirmware));
  m_engine.Tell(message);
}

void FirmwareTransfer::HoldCommands() {
  // From the device's first answer on, commands are refused until the
  // transfer ends: an Apply or a page read started meanwhile would take the
  // engine away from a half-written device. Before it, while the start byte
  // is repeated without limit, they stay free, so that a device that never
  // answers does not lock the window.
  m_state.g_transferPending = 1;
}

void FirmwareTransfer::ReleaseAfterTransfer() {
  m_state.g_transferPending = 0;
  m_state.g_lcdUpdating = false;
  // The block phase selects the box mode for *.hgm images too; left set, a
  // retry would ask for a *.xut file and use the box's start byte.
  m_state.g_lcdMode = m_lcdModeAtStart;
}

void FirmwareTransfer::OnAdapterRemoved() {
  const uint8_t state = m_state.engineState;
  if (m_outcome != TransferOutcome::kRunning || state < kFirstFirmwareState || state > kLastFirmwareState) return;
  m_state.engineState = engine_state::kIdle;
  m_state.g_lcdUpdating = false;
  m_outcome = TransferOutcome::kFailed;
  m_lastMessage = AdapterRemovedMessage(PercentDone(), m_kind);
  m_engine.Report(engine_event::TransferEnded(TransferEnding::kLinkLost, Transaction::kFirmware));
  m_engine.Tell(m_lastMessage);
}

bool FirmwareTransfer::CollectOk(const uint8_t* reply, uint32_t count) {
  ReplyCollector& collector = m_collector;
  if (count == 0) return collector.IsOk();
  // A full collector that does not hold "ok" is stale: start over, so that a
  // stray reply does not hide the "ok" that follows it.
  if (collector.Count() == ReplyCollector::kCapacity && !collector.IsOk()) collector.Clear();
  collector.Append(std::span<const uint8_t>(reply, count < 2 ? count : 2));
  return collector.IsOk();
}

void FirmwareTransfer::Tick(const uint8_t* reply, uint32_t count) {
  if (m_outcome != TransferOutcome::kRunning) {
    // Entered without a transfer under way (a stray restart notice).
    m_state.g_lcdUpdating = false;
    m_engine.ReturnToIdle(engine_cmd::kProbeA);
    return;
  }
  switch (m_state.engineState) {
    case firmware_state::kBlockStart:
      BlockStartState(reply, count);
      break;
    case firmware_state::kFirstBlockHeader:
      FirstBlockHeaderState();
      break;
    case firmware_state::kSendBlock:
      SendBlockState();
      break;
    case firmware_state::kBlockAnswer:
      BlockAnswerState(reply, count);
      break;
    case firmware_state::kLastBlock:
      LastBlockState();
      break;
    case firmware_state::kLastBlockAnswer:
      LastBlockAnswerState(reply, count);
      break;
    case firmware_state::kFinishAnswer:
      FinishAnswerState(reply, count);
      break;
    case firmware_state::kRecordStart:
      RecordStartState(reply, count);
      break;
    case firmware_state::kSendRecord:
      SendRecordState();
      break;
    case firmware_state::kRecordAnswer:
      RecordAnswerState(reply, count);
      break;
    default:
      break;
  }
}

}  // namespace vuriru
