// SPDX-License-Identifier: GPL-3.0-or-later
// What the adapter's comings and goings mean for the engine: an arrival
// holds commands for the read to come, the removal of the open adapter
// returns the engine to its start and ends what was running, visibly.

#include "comms/engine/transaction_engine.h"

namespace vuriru {

void TransactionEngine::OnAdapterArrived() {
  m_state.g_progressRange = kProgressRangeStore;
  m_state.g_transferPending = 1;
  Report(engine_event::LinkChanged(LinkChange::kAdapterArrived));
}

bool TransactionEngine::IgnoresAdapterRemoval() const {
  // The RUZ Oviveru Ruv restarts into its loader at the start of its
  // firmware update and re-enumerates; the transfer picks it up again.
  return m_state.g_lcdUpdating && m_state.g_lcdMode;
}

bool TransactionEngine::KeepsStateThroughAdapterRemoval() const {
  return m_state.g_lcdUpdating;
}

void TransactionEngine::OnOpenAdapterRemoved(bool reset) {
  if (reset) {
    StopTick();
    m_state.settingsRead = 0;
    m_state.g_adapterReady = 0;
    m_state.g_escPresent = 0;
    m_state.g_lcdMode = false;
    m_state.g_refreshPages = 1;
    Report(engine_event::LinkChanged(LinkChange::kAdapterRemoved));
    // The next read is shown and waited for. The engine tick keeps running;
    // it idles while no link is open.
    m_state.g_transferPending = 1;
    RestartTick(kTickMs);
  }
  if (m_firmware) m_firmware->OnAdapterRemoved();
  AbandonForLostLink();
}

void TransactionEngine::AbandonForLostLink() {
  const Transaction interrupted = RunningTransaction();
  if (interrupted == Transaction::kFirmware) return;
  DropWaits();
  m_curves.phase = 0;
  m_curves.chunkStep = 0;
  m_accumulator.Clear();
  m_v1ReadRequested = false;
  m_state.engineState = engine_state::kIdle;
  // The removal has set g_transferPending for the next read; keep it.
  m_state.g_progressPos = 0;
  Report(engine_event::TransferEnded(TransferEnding::kLinkLost, interrupted));
  if (interrupted != Transaction::kNone) Tell(LinkLostText(interrupted));
}

void TransactionEngine::OnPortArrived() {
  m_state.g_progressRange = kProgressRangeRead;
  m_state.g_transferPending = 1;
  Report(engine_event::LinkChanged(LinkChange::kPortArrived));
}

void TransactionEngine::OnPortRemoved() {
  m_state.g_progressRange = kProgressRangeStore;
  m_state.g_deviceType = device_type::kNone;
  m_state.engineState = engine_state::kIdle;
  m_state.g_transferPending = 0;
  m_state.settingsRead = 0;
  m_state.g_escPresent = 0;
  m_state.g_adapterReady = 0;
  Report(engine_event::LinkChanged(LinkChange::kPortRemoved));
}

}  // namespace vuriru
