// SPDX-License-Identifier: GPL-3.0-or-later
// States 6 to 12: the 512-byte block protocol of *.xut and *.hgm images.

#include <algorithm>
#include <cstring>

#include "comms/engine/engine_commands.h"
#include "comms/engine/progress_text.h"
#include "comms/firmware/block_protocol.h"
#include "comms/firmware/firmware_messages.h"
#include "comms/firmware/firmware_transfer.h"

namespace vuriru {
namespace {

// Ticks in state 6 after which the start byte goes out again.
constexpr uint8_t kStartRepeatTicks = 10;
constexpr uint32_t kStartTickMs = 200;
constexpr uint32_t kBlockTickMs = 50;
constexpr uint32_t kLastBlockTickMs = 400;
// Pause between the last block's length and its bytes.
constexpr uint32_t kLastBlockPauseMs = 30;

}  // namespace

bool FirmwareTransfer::SendBeforeFirstBlock(std::span<const uint8_t> bytes) {
  const bool sent = m_engine.Link().WriteFrame(bytes.data(), static_cast<uint32_t>(bytes.size()));
  if (sent || !m_state.g_lcdUpdating) return true;
  // The box dropped off the bus while it restarts (its removal is ignored
  // meanwhile): start over and pick it up again once it is back.
  m_collector.Clear();
  m_position = 0;
  m_state.engineState = firmware_state::kBlockStart;
  return false;
}

void FirmwareTransfer::BlockStartState(const uint8_t* reply, uint32_t count) {
  m_engine.RestartTick(kStartTickMs);
  const bool ok = CollectOk(reply, count);
  // The ticks that answer the start count afresh and do not repeat it: a
  // start byte right behind the pick-up or the size would restart the loader.
  if (count > 0 && reply[0] == kBlockStartAnswer) {
    // The loader has (re)started: unlock it and begin from the first byte.
    m_collector.Clear();
    m_position = 0;
    m_engine.Send(kBlockPickUp);
    m_retry = 0;
    return;
  }
  if (ok) {
    HoldCommands();
    if (!SendBeforeFirstBlock(LengthPair(Size()))) return;
    m_state.engineState = firmware_state::kFirstBlockHeader;
    return;
  }
  if (++m_retry >= kStartRepeatTicks) {
    m_retry = 0;
    m_engine.SendByte(m_startByte);
  }
}

void FirmwareTransfer::FirstBlockHeaderState() {
  if (m_position >= Size()) return;
  m_retry = 0;
  m_state.g_progressRange = Size();
  if (!SendBeforeFirstBlock(kFirstBlockHeader)) return;
  m_state.g_lcdMode = true;
  m_state.g_adapterReady = 1;
  m_state.g_progressPos = m_position;
  // The status indicators come up, then the caption, then the dialog.
  m_engine.ReportProgress(ProgressStep::kIndicators, m_engine.DataProgressText());
  m_state.engineState = firmware_state::kSendBlock;
}

void FirmwareTransfer::SendBlockState() {
  m_collector.Clear();
  // Full blocks only ever start before the last block, so this never reaches
  // beyond the image; the clip keeps it so whatever the size.
  const uint32_t length = std::min(kBlockLength, Size() - std::min(m_position, Size()));
  if (!SendBeforeFirstBlock(std::span<const uint8_t>(m_image.data() + m_position, length))) return;
  m_state.engineState = firmware_state::kBlockAnswer;
  m_state.g_lcdUpdating = false;
  m_engine.RestartTick(kBlockTickMs);
}

void FirmwareTransfer::BlockAnswerState(const uint8_t* reply, uint32_t count) {
  if (count == 0) {
    if (++m_retry > kSilentTickLimit) Fail(TransferSilentMessage(PercentDone(), m_kind));
    return;
  }
  if (!CollectOk(reply, count)) return;
  m_retry = 0;
  m_position += kBlockLength;
  // The bar follows every confirmed block, not only the first and the last.
  m_state.g_progressPos = m_position;
  m_engine.ReportProgress(ProgressStep::kCaption, m_engine.DataProgressText());
  if (m_position + kBlockLength < Size()) {
    m_state.engineState = firmware_state::kSendBlock;
  } else {
    m_state.engineState = firmware_state::kLastBlock;
    m_engine.RestartTick(kLastBlockTickMs);
  }
}

void FirmwareTransfer::LastBlockState() {
  const uint32_t length = Size() - m_position;
  m_collector.Clear();
  m_engine.Send(LengthPair(length));
  // The device needs a moment between the length and the bytes; ticks are
  // held off meanwhile, as the state changes only once the bytes are out.
  m_engine.Wait(kLastBlockPauseMs, [this, length] {
    m_engine.Send(std::span<const uint8_t>(m_image.data() + m_position, length));
    m_state.engineState = firmware_state::kLastBlockAnswer;
  });
}

void FirmwareTransfer::LastBlockAnswerState(const uint8_t* reply, uint32_t count) {
  if (count == 0) {
    // As after a full block: a device that never confirms the last one is
    // given up on rather than waited for while the window stays busy.
    if (++m_retry > kSilentTickLimit) Fail(TransferSilentMessage(PercentDone(), m_kind));
    return;
  }
  if (!CollectOk(reply, count)) return;
  m_collector.Clear();
  m_position = Size();
  m_engine.Send(kBlockFinish);
  m_state.engineState = firmware_state::kFinishAnswer;
  m_state.g_progressPos = m_position;
  m_engine.ReportProgress(ProgressStep::kHide, m_engine.DataProgressText());
}

void FirmwareTransfer::FinishAnswerState(const uint8_t* reply, uint32_t count) {
  if (count == 0) {
    // The device went quiet after the image was confirmed whole: back to
    // probing at the idle pace, which finds it again, with commands and the
    // selected target given back.
    m_outcome = TransferOutcome::kCompleted;
    ReleaseAfterTransfer();
    m_state.engineState = engine_state::kProbe;
    m_engine.RestartTick(TransactionEngine::kTickMs);
    return;
  }
  if (!CollectOk(reply, count)) return;
  CompleteBlockTransfer();
}

void FirmwareTransfer::CompleteBlockTransfer() {
  m_engine.Send(kBlockConfirm);
  m_state.settingsRead = 0;
  m_engine.ReturnToIdle(engine_cmd::kProbeA);
  m_outcome = TransferOutcome::kCompleted;
  m_state.g_transferPending = 0;
  m_state.g_progressPos = 0;
  m_state.g_lcdMode = false;
  m_state.g_adapterReady = 1;
  // Out of box mode now: the window shows what that state means (for the box
  // alone, the button row without a page) rather than the box's page, whose
  // update button would answer that nothing is connected.
  m_engine.Report(engine_event::TransferEnded(TransferEnding::kBoxUpdated, Transaction::kFirmware));
  m_engine.Tell("Lcd Update", "Up Date Complete!", MessageIcon::kNone);
}

}  // namespace vuriru
