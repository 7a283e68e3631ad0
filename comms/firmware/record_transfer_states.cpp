// SPDX-License-Identifier: GPL-3.0-or-later
// States 13 to 15: the record protocol of *.xup images, and the end of an
// update, after which the engine reads the controller afresh.

#include "comms/engine/engine_commands.h"
#include "comms/engine/progress_text.h"
#include "comms/firmware/firmware_messages.h"
#include "comms/firmware/firmware_transfer.h"
#include "comms/firmware/record_protocol.h"

namespace vuriru {
namespace {

// Ticks in state 13 after which the start byte goes out again.
constexpr uint8_t kStartRepeatTicks = 20;
constexpr uint32_t kRecordTickMs = 120;
// The controller settles after the last record, and again after the idle
// probe, before the program reads it afresh.
constexpr uint32_t kSettleMs = 2000;
constexpr uint32_t kPagesResetMs = 1000;

}  // namespace

void FirmwareTransfer::RecordStartState(const uint8_t* reply, uint32_t count) {
  if (count > 0 && reply[0] == kRecordStart) {
    m_engine.SendByte(kRecordStart);
  } else if (count > 0 && reply[0] == kRecordStartAnswer) {
    HoldCommands();
    // Not counted as a tick: the first record gets its four answers too.
    m_retry = 0;
    m_position = 0;
    m_silentTicks = 0;
    m_state.engineState = firmware_state::kSendRecord;
    m_engine.RestartTick(kRecordTickMs);
    m_state.g_progressRange = Size();
    m_engine.ReportProgress(ProgressStep::kShow);
    return;
  }
  if (++m_retry >= kStartRepeatTicks) {
    m_retry = 0;
    m_engine.SendByte(kRecordStart);
  }
}

void FirmwareTransfer::SendRecordState() {
  if (m_position >= Size()) {
    CompleteRecordTransfer();
    return;
  }
  // The image was checked when it was loaded: every record ends inside it.
  m_recordLength = RecordLengthAt(m_image, m_position);
  if (m_recordLength == 0) {
    Fail(TransferSilentMessage(PercentDone(), m_kind));
    return;
  }
  m_engine.Send(std::span<const uint8_t>(m_image.data() + m_position, m_recordLength));
  m_state.engineState = firmware_state::kRecordAnswer;
  m_silentTicks = 0;
  const uint32_t percent = PercentDone();
  if (m_state.g_deviceType == device_type::kV1) {
    m_engine.ReportProgress(ProgressStep::kV1Text, FormatProgressText(kTransferringFormat, percent));
  } else if (m_state.g_deviceType == device_type::kFull) {
    m_state.g_progressPos = m_position;
    m_engine.ReportProgress(ProgressStep::kCaption, FormatProgressText(kDataTransferringFormat, percent));
  }
}

void FirmwareTransfer::RecordAnswerState(const uint8_t* reply, uint32_t count) {
  if (count == 0) {
    // The controller may take a while over a record, but not for ever.
    if (++m_silentTicks > kSilentTickLimit) Fail(TransferSilentMessage(PercentDone(), m_kind));
    return;
  }
  switch (reply[0]) {
    case kRecordAccepted:
      m_position += m_recordLength;
      m_retry = 0;
      m_state.engineState = firmware_state::kSendRecord;
      break;
    case kRecordRefused:
      Fail(RecordRefusedMessage(PercentDone()));
      break;
    default:
      if (++m_retry >= kMaxBadAnswersPerRecord) {
        Fail(TooManyBadAnswersMessage(PercentDone()));
      } else {
        m_state.engineState = firmware_state::kSendRecord;  // the same record again
      }
      break;
  }
}

void FirmwareTransfer::CompleteRecordTransfer() {
  const uint8_t kind = m_state.g_deviceType;
  m_engine.Wait(kSettleMs, [this, kind] { FinishRecordTransfer(kind); });
}

void FirmwareTransfer::FinishRecordTransfer(uint8_t kind) {
  if (kind == device_type::kV1) {
    m_engine.ReportProgress(ProgressStep::kV1Text, FormatProgressText(kTransferringFormat, 100));
  }

  m_outcome = TransferOutcome::kCompleted;
  m_state.g_transferPending = 0;
  m_state.settingsRead = 0;
  m_engine.ReturnToIdle(engine_cmd::kProbeB);
  m_state.g_progressPos = 0;

  // The completion notice waits for the next timer message; the pages come
  // back with the fresh read that the next probe answer starts.
  m_state.g_updateDoneNotice = 1;
  m_state.g_deviceType = device_type::kNone;
  m_state.g_transferPending = 1;
  m_state.g_refreshPages = 1;
  m_state.g_progressRange = kProgressRangeRead;
  m_engine.Report(engine_event::TransferEnded(TransferEnding::kControllerUpdated, Transaction::kFirmware));

  m_engine.Wait(kPagesResetMs, [this] {
    m_engine.Report(engine_event::TransferEnded(TransferEnding::kPagesReset, Transaction::kFirmware));
    m_engine.RestartTick(TransactionEngine::kTickMs);
  });
}

}  // namespace vuriru
