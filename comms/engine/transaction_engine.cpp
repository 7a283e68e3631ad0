// SPDX-License-Identifier: GPL-3.0-or-later
#include "comms/engine/transaction_engine.h"

#include <algorithm>

#include "common/user_text.h"
#include "comms/engine/engine_commands.h"
#include "comms/engine/progress_text.h"

namespace vuriru {

TransactionEngine::TransactionEngine(const Parts& parts)
    : m_link(parts.link),
      m_scheduler(parts.scheduler),
      m_state(parts.state),
      m_listener(parts.listener),
      m_settings(parts.settings),
      m_v1(parts.v1Settings),
      m_curveSet(parts.curves) {}

void TransactionEngine::HandleTimer(int id) {
  // The flag is cleared before the box is shown, so that the ticks that run
  // while it is open do not show it again.
  if (m_state.g_updateDoneNotice == 1) {
    m_state.g_updateDoneNotice = 0;
    Tell(VURIRU_TEXT("Messages", "Esc Update"), VURIRU_TEXT("Messages", "Up Date Complete!"), MessageIcon::kNone);
  }
  if (id == timer_id::kEngine) {
    EngineTick();
  } else if (id == timer_id::kConnect) {
    ConnectAttempt();
  }
}

bool TransactionEngine::ConnectAttempt() {
  if (!m_link.ConnectLink()) return false;
  OnLinkOpened();
  return true;
}

void TransactionEngine::OnLinkOpened() {
  // A wait of the previous link must not run on the new one.
  DropWaits();
  m_state.engineState = engine_state::kConnectVersion;
  m_versionFailureShown = false;
  m_readFailureShown = false;
}

void TransactionEngine::EngineTick() {
  if (!m_link.IsOpen() || m_waiting) return;

  const uint32_t reports = std::min(m_link.MaxReportRequest(), kMaxReportsPerTick);
  std::fill(m_reply.begin(), m_reply.end(), uint8_t{0});
  uint32_t count = 0;
  if (reports == 0 || !m_link.ReadReports(m_reply.data(), reports * kPayloadPerReport, &count)) count = 0;
  count = std::min<uint32_t>(count, reports * kPayloadPerReport);
  const std::span<const uint8_t> reply(m_reply.data(), count);

  if (count > 0 && m_state.engineState == engine_state::kReadCurves) MarkProgress();
  const uint8_t state = m_state.engineState;
  if (Stalled()) {
    EndStalled();
    return;
  }
  switch (state) {
    case engine_state::kConnectVersion:
      ConnectVersionState(reply);
      break;
    case engine_state::kProbe:
      ProbeState(reply);
      break;
    case engine_state::kSoftwareVersion:
      SoftwareVersionState(reply);
      break;
    case engine_state::kSettingsReply:
      SettingsReplyState(reply);
      break;
    case engine_state::kStore:
      StoreState(reply);
      break;
    case engine_state::kReadCurves:
      ReadCurvesState(reply);
      break;
    case engine_state::kStoreCurves:
      StoreCurvesState(reply);
      break;
    default:
      if (state >= kFirstFirmwareState && state <= kLastFirmwareState && m_firmware) {
        m_firmware->Tick(m_reply.data(), count);
      }
      break;
  }
}

void TransactionEngine::PrepareUserStore(Transaction transaction) {
  m_state.g_progressPos = 0;
  m_state.g_transferPending = 1;
  m_state.g_progressRange = kProgressRangeRead;
  m_probe.retry = 0;
  if (transaction == Transaction::kApply || transaction == Transaction::kDefault ||
      transaction == Transaction::kV1Store) {
    m_store.transaction = transaction;
  }
}

void TransactionEngine::SendByte(uint8_t byte) {
  m_link.WriteFrame(&byte, 1);
}

void TransactionEngine::Send(std::span<const uint8_t> bytes) {
  // Write failures are not looked at: the missing answer leads to a repeat.
  m_link.WriteFrame(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void TransactionEngine::SendTransmit(size_t offset, size_t length) {
  if (offset >= m_transmit.size()) return;
  length = std::min(length, m_transmit.size() - offset);
  Send(std::span<const uint8_t>(m_transmit.data() + offset, length));
}

void TransactionEngine::StopTick() {
  m_scheduler.KillTimer(timer_id::kEngine);
}

void TransactionEngine::RestartTick(uint32_t periodMs) {
  m_scheduler.StartTimer(timer_id::kEngine, periodMs);
}

void TransactionEngine::PrepareCommand() {
  DropWaits();
  StopTick();
  m_link.DrainInput();
}

void TransactionEngine::DropWaits() {
  ++*m_waitEpoch;
  m_waiting = false;
}

void TransactionEngine::Wait(uint32_t ms, std::function<void()> then) {
  m_waiting = true;
  std::weak_ptr<uint64_t> token = m_waitEpoch;
  const uint64_t epoch = *m_waitEpoch;
  m_scheduler.RunAfter(ms, [this, token, epoch, then = std::move(then)] {
    const auto current = token.lock();
    if (!current || *current != epoch) return;
    m_waiting = false;
    if (!m_link.IsOpen()) return;
    then();
  });
}

void TransactionEngine::ReturnToIdle(uint8_t probe) {
  SendByte(probe);
  m_state.engineState = engine_state::kProbe;
  RestartTick(kTickMs);
}

void TransactionEngine::ReportProgress(ProgressStep step, UserText caption) {
  Report(engine_event::Progress(step, m_state.g_progressPos, m_state.g_progressRange, std::move(caption)));
}

void TransactionEngine::Tell(UserText text, std::string caption, MessageIcon icon) {
  Report(engine_event::Message(std::move(text), std::move(caption), icon));
}

UserText TransactionEngine::DataProgressText() const {
  return FormatProgressText(kDataTransferringFormat, ProgressPercent(m_state.g_progressPos, m_state.g_progressRange));
}

void TransactionEngine::ReleaseCommand() {
  m_state.g_transferPending = 0;
  m_state.g_progressPos = 0;
}

void TransactionEngine::EndWithoutSuccess(TransferEnding ending) {
  const Transaction transaction = RunningTransaction();
  ReleaseCommand();
  Report(engine_event::TransferEnded(ending, transaction));
}

Transaction TransactionEngine::RunningTransaction() const {
  const uint8_t state = m_state.engineState;
  switch (state) {
    case engine_state::kSoftwareVersion:
    case engine_state::kSettingsReply:
      if (m_v1ReadRequested) return Transaction::kV1Read;
      return m_state.g_transferPending ? Transaction::kRead : Transaction::kNone;
    case engine_state::kReadCurves:
      return Transaction::kReadCurves;
    case engine_state::kStore:
    case engine_state::kStoreCurves:
      return m_store.transaction;
    default:
      if (state >= kFirstFirmwareState && state <= kLastFirmwareState) return Transaction::kFirmware;
      return Transaction::kNone;
  }
}

bool TransactionEngine::HasEditsNotApplied() const {
  return m_lastCompleted && *m_lastCompleted != TakeSettingsSnapshot(m_settings, m_curveSet);
}

void TransactionEngine::MarkProgress() {
  m_progressAtMs = m_scheduler.NowMs();
}

bool TransactionEngine::Stalled() const {
  const uint8_t state = m_state.engineState;
  if (state != engine_state::kStore && state != engine_state::kReadCurves && state != engine_state::kStoreCurves) {
    return false;
  }
  return m_scheduler.NowMs() - m_progressAtMs > kStallLimitMs;
}

void TransactionEngine::EndStalled() {
  const Transaction stalled = RunningTransaction();
  m_curves.phase = 0;
  m_curves.chunkStep = 0;
  m_accumulator.Clear();
  if (stalled == Transaction::kReadCurves) {
    // Settings without their curves must not be shown as read: an Apply
    // would send curves the controller never held. The read starts again on
    // the next probe answer, and commands wait for it.
    m_state.settingsRead = 0;
    m_state.g_progressPos = 0;
    Report(engine_event::TransferEnded(TransferEnding::kStalled, stalled));
    if (!m_readFailureShown) {
      m_readFailureShown = true;
      Tell(ControllerStalledText(stalled));
    }
  } else {
    EndWithoutSuccess(TransferEnding::kStalled);
    Tell(ControllerStalledText(stalled));
  }
  ReturnToIdle(engine_cmd::kProbeA);
}

}  // namespace vuriru
