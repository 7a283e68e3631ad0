// SPDX-License-Identifier: GPL-3.0-or-later
// State 16: reading the three stored curves (boost, brake, throttle) after a
// full controller's settings reply, then ending the read.

#include <algorithm>

#include "comms/engine/engine_commands.h"
#include "comms/engine/transaction_engine.h"
#include "curves/curve_reply.h"

namespace vuriru {

void TransactionEngine::ReadCurvesState(std::span<const uint8_t> reply) {
  if (m_curves.phase == 0) {
    SendByte(engine_cmd::kReadCurve[1]);
    m_curves.phase = 1;
    m_curves.refused = 0;
    m_accumulator.Clear();
    m_curves.markerSeen = false;
    MarkProgress();
    return;
  }
  // The first curve reply starts with 0x80; the flag stays set for the other
  // two, whose bytes are gathered from their first tick on.
  if (!m_curves.markerSeen) {
    if (std::find(reply.begin(), reply.end(), engine_reply::kReady) == reply.end()) return;
    m_curves.markerSeen = true;
  }
  if (m_accumulator.Count() < engine_reply::kCurveReplyGathered) {
    m_state.g_progressPos += static_cast<uint32_t>(m_accumulator.Append(reply));
    ReportProgress(ProgressStep::kCaption, DataProgressText());
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
  const auto number = static_cast<CurveNumber>(std::clamp<uint8_t>(m_curves.phase, 1, 3));
  // A reply with wrong check bytes is refused here and the read goes on.
  if (!StoreCurveReply(number, gathered.data(), gathered.size(), m_curveSet, m_settings)) {
    m_curves.refused = static_cast<uint8_t>(m_curves.refused | (1u << static_cast<unsigned>(number)));
  }
  m_accumulator.Clear();
  MarkProgress();
  if (m_curves.phase < 3) {
    ++m_curves.phase;
    SendByte(engine_cmd::kReadCurve[m_curves.phase]);
    return;
  }
  FinishCurveRead();
}

void TransactionEngine::FinishCurveRead() {
  ReleaseCommand();
  m_state.g_refreshPages = 0;
  m_curves.phase = 0;
  m_state.engineState = engine_state::kProbe;
  const bool leftBoxMode = m_state.g_lcdMode;
  m_state.g_lcdMode = false;
  Report(engine_event::CurvesRead(m_curves.refused, leftBoxMode));
  // Taken once the pages have shown the values: a page pulls an index beyond
  // its list back to the list's last option, and that is what was read.
  m_lastCompleted = TakeSettingsSnapshot(m_settings, m_curveSet);
}

}  // namespace vuriru
