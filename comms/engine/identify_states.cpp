// SPDX-License-Identifier: GPL-3.0-or-later
// States 1 to 3: the adapter's connect version, the probes that find and keep
// the controller, and the controller's software version.

#include <algorithm>

#include "common/user_text.h"
#include "comms/engine/engine_commands.h"
#include "comms/engine/probe_answer.h"
#include "comms/engine/progress_text.h"
#include "comms/engine/transaction_engine.h"
#include "comms/engine/version_text.h"

namespace vuriru {

namespace {
// Probes go out every this many ticks while the link idles.
constexpr uint8_t kTicksPerProbe = 4;
// More unanswered probes than this and the controller is lost.
constexpr uint8_t kProbesBeforeLoss = 4;
// More silent ticks than this after 0xD7 and the version read has failed.
constexpr uint8_t kVersionTicks = 20;
constexpr uint32_t kConnectVersionLength = 8;
}  // namespace

void TransactionEngine::ConnectVersionState(std::span<const uint8_t> reply) {
  if (m_state.g_lcdUpdating) {
    // The display box restarted during its update: pick the transfer up again.
    m_state.engineState = kFirstFirmwareState;
    return;
  }
  if (reply.empty() || reply[0] != engine_reply::kConnectVersion) return;
  // Bytes the adapter did not send read as 0 (the reply buffer is zero-filled).
  m_connectVersion = FormatConnectVersion(
      std::span<const uint8_t>(reply.data(), std::max<size_t>(reply.size(), kConnectVersionLength)));
  m_state.g_adapterReady = 1;
  Report(engine_event::Connected(m_connectVersion));
  SendByte(engine_cmd::kProbeB);
  m_probe.toggle = 1;
  m_state.engineState = engine_state::kProbe;
}

void TransactionEngine::ProbeState(std::span<const uint8_t> reply) {
  if (!reply.empty() && IsProbeAnswer(reply[0])) {
    OnProbeAnswer(reply[0]);
  } else {
    OnProbeMissing();
  }
}

void TransactionEngine::OnProbeAnswer(uint8_t first) {
  m_accumulator.Clear();
  m_probe.retry = 0;

  const ProbeAnswer answer = ClassifyProbeAnswer(first);
  switch (answer.kind) {
    case ProbeAnswer::Kind::kFull:
    case ProbeAnswer::Kind::kLcdBox:
      m_state.g_deviceType = device_type::kFull;
      // The reply length tells V1 models apart, and the firmware file kind
      // follows it: a V1 controller swapped for this one must not leave its
      // length behind.
      m_replyLength = 0;
      // The box alone is not read, so its answer shows no read progress; a
      // controller answering later on this link still gets its read shown,
      // since g_transferPending stays set. During a box transfer the answer
      // goes on to the transfer.
      if (m_state.g_transferPending && (answer.kind == ProbeAnswer::Kind::kFull || m_state.g_lcdUpdating)) {
        m_state.g_progressPos = 1;
        m_state.g_progressRange = kProgressRangeStore;
        ReportProgress(ProgressStep::kShow, answer.kind == ProbeAnswer::Kind::kFull ? kReadProgressTitle : "");
      }
      break;
    case ProbeAnswer::Kind::kUnchanged:
      break;
    case ProbeAnswer::Kind::kV1:
      m_state.g_deviceType = device_type::kV1;
      m_state.v1Variant = answer.v1Variant;
      m_v1.becShown = answer.v1Variant;
      break;
  }

  if (answer.kind == ProbeAnswer::Kind::kLcdBox) {
    if (m_state.g_lcdUpdating) m_state.engineState = kFirstFirmwareState;
    return;
  }
  if (m_state.g_escPresent != 1) {
    m_state.g_escPresent = 1;
    Report(engine_event::ControllerPresent(m_state.g_deviceType));
  }
  if (m_state.settingsRead == 0) {
    SendByte(engine_cmd::kSoftwareVersion);
    m_state.engineState = engine_state::kSoftwareVersion;
  }
}

void TransactionEngine::OnProbeMissing() {
  if (m_probe.retry > kProbesBeforeLoss && m_probe.retry != kControllerLost) DeclareLost();
  if (m_tickCounter >= kTicksPerProbe) {
    if (m_probe.retry != kControllerLost) ++m_probe.retry;
    SendByte(m_probe.toggle == 1 ? engine_cmd::kProbeA : engine_cmd::kProbeB);
    m_probe.toggle = static_cast<uint8_t>(~m_probe.toggle);
    m_tickCounter = 0;
  }
  ++m_tickCounter;
}

void TransactionEngine::DeclareLost() {
  m_state.settingsRead = 0;
  m_state.g_escPresent = 0;
  m_state.g_transferPending = 0;
  Report(engine_event::LinkChanged(LinkChange::kControllerLost));
  m_probe.retry = kControllerLost;
}

void TransactionEngine::SoftwareVersionState(std::span<const uint8_t> reply) {
  if (reply.size() == engine_reply::kSoftwareVersionLength) {
    m_probe.retry = 0;
    m_softwareVersion = FormatSoftwareVersion(reply);
    Report(engine_event::SoftwareVersion(m_softwareVersion));
    SendByte(engine_cmd::kSettings);
    m_state.engineState = engine_state::kSettingsReply;
    return;
  }
  if (!reply.empty() && reply.size() < engine_reply::kSoftwareVersionLength) {
    // Something else answered (a late probe answer): probe again.
    SendByte(engine_cmd::kProbeA);
    m_state.engineState = engine_state::kProbe;
    return;
  }
  ++m_probe.retry;
  if (m_probe.retry > kVersionTicks) {
    FailVersion();
  } else {
    SendByte(engine_cmd::kSoftwareVersion);
  }
}

void TransactionEngine::FailVersion() {
  // The timer stays stopped while the box is open, so no tick repeats this.
  StopTick();
  m_state.g_escPresent = 0;
  m_state.g_transferPending = 0;
  Report(engine_event::LinkChanged(LinkChange::kVersionFailed));
  // A controller that never gives its version would bring the box back every
  // few seconds; it is said once per opening of the link, and the engine
  // goes on trying quietly.
  if (!m_versionFailureShown) {
    m_versionFailureShown = true;
    Tell(VURIRU_TEXT("Messages", "Failed to get ESC Version"));
  }
  m_probe.retry = 0;
  RestartTick(kTickMs);
  SendByte(engine_cmd::kProbeA);
  m_state.engineState = engine_state::kProbe;
}

}  // namespace vuriru
