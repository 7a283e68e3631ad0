// State 16: reading the three stored curves (boost, brake, throttle) after a
// full controller's settings reply, then ending the read.

#include <algorithm>

#include "comms/engine/engine_commands.h"
#include "comms/engine/transaction_engine.h"

namespace vuriru {

void TransactionEngine::ReadCurvesState(std::span<const uint8_t> reply) {
  if (m_curvePhase == 0) {
    SendByte(engine_cmd::kReadCurve[1]);
    m_curvePhase = 1;
    m_accumulator.Clear();
    m_markerSeen = false;
    MarkProgress();
    return;
  }
  // The first curve reply starts with 0x80; the flag stays set for the other
  // two, whose bytes are gathered from their first tick on.
  if (!m_markerSeen) {
    if (std::find(reply.begin(), reply.end(), engine_reply::kReady) == reply.end()) return;
    m_markerSeen = true;
  }
  if (m_accumulator.Count() < engine_reply::kCurveReplyGathered) {
    m_state.g_progressPos += static_cast<uint32_t>(m_accumulator.Append(reply));
    ShowDataProgressText();
    if (m_accumulator.Count() < engine_reply::kCurveReplyGathered) return;
  } else if (!reply.empty() && m_accumulator.Count() < kCurveReplyLength) {
    // The last check byte may come a tick after the other 122; it still
    // belongs to this reply, which without it would fail its check.
    const size_t room = kCurveReplyLength - m_accumulator.Count();
    m_state.g_progressPos += static_cast<uint32_t>(m_accumulator.Append(reply.first(std::min(room, reply.size()))));
  }
  // A curve reply is taken on the first tick that brings no further bytes.
  if (!reply.empty()) return;

  const std::span<const uint8_t> gathered = m_accumulator.Bytes();
  const auto number = static_cast<CurveNumber>(std::clamp<uint8_t>(m_curvePhase, 1, 3));
  // A reply with wrong check bytes is refused here and the read goes on.
  StoreCurveReply(number, gathered.data(), gathered.size(), m_curves, m_settings, m_state, m_host);
  m_accumulator.Clear();
  MarkProgress();
  if (m_curvePhase < 3) {
    ++m_curvePhase;
    SendByte(engine_cmd::kReadCurve[m_curvePhase]);
    return;
  }
  FinishCurveRead();
}

void TransactionEngine::FinishCurveRead() {
  m_lastCompleted = TakeSettingsSnapshot(m_settings, m_curves);
  ReleaseCommand();
  m_state.g_backgroundDirty = true;
  m_state.g_refreshPages = 0;
  m_state.g_curveEditorOpen = 0;
  m_state.g_currentPage = 0;
  m_host.ShowStatusIndicators(false);
  m_curvePhase = 0;
  m_state.engineState = engine_state::kProbe;
  if (m_state.g_lcdMode) {
    m_state.g_lcdMode = false;
    m_state.g_selectedPage = page::kNoneSelected;
  }
  m_host.ShowPage(m_state.g_selectedPage);
  m_host.ShowStatusIndicators(true);
  m_host.ReloadBackground();
  m_host.ShowCommandButtons();
  m_host.RedrawWindow();
}

}  // namespace vuriru
