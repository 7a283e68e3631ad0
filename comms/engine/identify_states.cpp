// States 1 to 3: the adapter's connect version, the probes that find and keep
// the controller, and the controller's software version.

#include <algorithm>

#include "comms/engine/engine_commands.h"
#include "comms/engine/probe_answer.h"
#include "comms/engine/progress_text.h"
#include "comms/engine/transaction_engine.h"
#include "comms/engine/version_text.h"

namespace vuriru {

namespace {
constexpr uint8_t kLostRetry = 255;
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
  m_host.SetHardwareVersionText(m_connectVersion);
  m_state.g_adapterReady = 1;
  m_host.RedrawIndicators();
  SendByte(engine_cmd::kProbeB);
  m_probeToggle = 1;
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
  m_retry = 0;

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
        m_state.g_progressRange = 440;
        if (answer.kind == ProbeAnswer::Kind::kFull) m_host.SetProgressText(kReadProgressTitle);
        m_host.ShowProgress(m_state.g_progressPos, m_state.g_progressRange);
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
    m_host.SetEscLabel("ESC");
    if (m_state.g_deviceType != device_type::kFull) {
      m_state.g_backgroundDirty = true;
      m_host.ShowPage(page::kNoneShown);
      m_host.RedrawWindow();
    }
  }
  if (m_state.settingsRead == 0) {
    SendByte(engine_cmd::kSoftwareVersion);
    m_state.engineState = engine_state::kSoftwareVersion;
  }
}

void TransactionEngine::OnProbeMissing() {
  if (m_retry > kProbesBeforeLoss && m_retry != kLostRetry) DeclareLost();
  if (m_tickCounter >= kTicksPerProbe) {
    if (m_retry != kLostRetry) ++m_retry;
    SendByte(m_probeToggle == 1 ? engine_cmd::kProbeA : engine_cmd::kProbeB);
    m_probeToggle = static_cast<uint8_t>(~m_probeToggle);
    m_tickCounter = 0;
  }
  ++m_tickCounter;
}

void TransactionEngine::DeclareLost() {
  m_state.settingsRead = 0;
  m_state.g_escPresent = 0;
  m_state.g_selectedPage = page::kNoneSelected;
  m_state.g_currentPage = page::kNoneShown;
  m_state.g_transferPending = 0;
  m_state.g_backgroundDirty = true;
  m_host.ShowPage(page::kNoneShown);
  m_host.ShowStatusIndicators(true);
  m_host.RedrawIndicators();
  m_host.RedrawWindow();
  m_retry = kLostRetry;
}

void TransactionEngine::SoftwareVersionState(std::span<const uint8_t> reply) {
  if (reply.size() == engine_reply::kSoftwareVersionLength) {
    m_retry = 0;
    m_softwareVersion = FormatSoftwareVersion(reply);
    m_host.SetSoftwareVersionText(m_softwareVersion);
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
  ++m_retry;
  if (m_retry > kVersionTicks) {
    FailVersion();
  } else {
    SendByte(engine_cmd::kSoftwareVersion);
  }
}

void TransactionEngine::FailVersion() {
  // The timer stays stopped while the box is open, so no tick repeats this.
  StopTick();
  m_state.g_escPresent = 0;
  m_host.HideCnV1Panel();
  m_host.ReloadBackground();
  m_host.ShowStatusIndicators(true);
  m_state.g_transferPending = 0;
  m_host.RedrawIndicators();
  // A controller that never gives its version would bring the box back every
  // few seconds; it is said once per opening of the link, and the engine
  // goes on trying quietly.
  if (!m_versionFailureShown) {
    m_versionFailureShown = true;
    m_host.ShowMessage("Failed to get ESC Version", "", MessageIcon::kExclamation);
  }
  m_retry = 0;
  RestartTick(kTickMs);
  SendByte(engine_cmd::kProbeA);
  m_state.engineState = engine_state::kProbe;
}

}  // namespace vuriru
