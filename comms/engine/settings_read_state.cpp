// SPDX-License-Identifier: GPL-3.0-or-later
// State 4: the settings reply, a full controller's 35 bytes (possibly over
// several ticks) or a V1 controller's 12 to 18 bytes, and the V1 panel's read.

#include <algorithm>

#include "comms/engine/engine_commands.h"
#include "comms/engine/transaction_engine.h"
#include "settings/settings_wire.h"
#include "v1/v1_reply.h"

namespace vuriru {

void TransactionEngine::StartV1Read() {
  PrepareCommand();
  m_accumulator.Clear();
  m_state.engineState = engine_state::kSettingsReply;
  m_v1ReadRequested = true;
  SendByte(engine_cmd::kSettings);
  RestartTick(kTickMs);
}

void TransactionEngine::SettingsReplyState(std::span<const uint8_t> reply) {
  if (m_state.g_deviceType == device_type::kFull) {
    if (reply.empty()) {
      // No answer: back to probing; the next probe answer asks again, since
      // the settings-read flag is still 0.
      m_state.engineState = engine_state::kProbe;
      m_probe.toggle = 1;
      return;
    }
    FullSettingsReply(reply);
    return;
  }
  if (reply.empty()) {
    V1EndStep(false);
    return;
  }
  V1SettingsReply(reply);
}

void TransactionEngine::FullSettingsReply(std::span<const uint8_t> reply) {
  std::span<const uint8_t> complete;
  if (reply.size() >= kSettingsReplyMinLength) {
    complete = reply;
  } else if (m_accumulator.Count() >= kSettingsReplyMinLength) {
    complete = m_accumulator.Bytes();
  } else {
    // One step of progress per byte gathered.
    m_state.g_progressPos += static_cast<uint32_t>(m_accumulator.Append(reply));
    ReportProgress(ProgressStep::kCaption, DataProgressText());
    if (m_accumulator.Count() < kSettingsReplyMinLength) return;
    complete = m_accumulator.Bytes();
  }

  ParseSettingsReply(complete, m_settings);
  m_state.settingsRead = 1;
  m_state.g_deviceType = device_type::kFull;
  m_accumulator.Clear();
  m_curves.phase = 0;
  Report(engine_event::SettingsRead(SettingsReadStep::kFullReply));
  m_state.g_progressPos += kSettingsReplyMinLength;
  ReportProgress(ProgressStep::kShow, DataProgressText());
  m_state.engineState = engine_state::kReadCurves;
  MarkProgress();
}

void TransactionEngine::V1SettingsReply(std::span<const uint8_t> reply) {
  if (reply.size() < kV1MinReplyLength) {
    SendByte(engine_cmd::kSettings);
    return;
  }
  m_state.settingsRead = 1;
  m_replyLength = static_cast<uint8_t>(std::min<size_t>(reply.size(), 255));
  bool decoded = false;
  if (reply.size() <= kV1MaxReplyLength) {
    m_state.g_deviceType = device_type::kV1;
    decoded = DecodeV1Reply(reply, m_v1);
    m_state.g_transferPending = 0;
    Report(engine_event::SettingsRead(SettingsReadStep::kV1Reply));
  }
  V1EndStep(decoded);
}

void TransactionEngine::V1EndStep(bool decodedNow) {
  const bool firstRead = m_replyLength <= kV1MaxReplyLength && m_state.g_refreshPages;
  if (firstRead) {
    m_state.g_refreshPages = 0;
    m_state.g_transferPending = 0;
  }
  // The panel's own "Read Settings" must end with the values it asked for
  // on show, not only the first read after connecting.
  const bool showValues = m_state.g_deviceType == device_type::kV1 && (firstRead || (m_v1ReadRequested && decodedNow));
  if (firstRead || showValues) Report(engine_event::SettingsRead(SettingsReadStep::kV1ReadEnd, firstRead, showValues));
  m_v1ReadRequested = false;
  m_state.engineState = engine_state::kProbe;
}

}  // namespace vuriru
