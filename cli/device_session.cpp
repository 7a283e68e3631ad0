// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/device_session.h"

#include "cli/simulated_memory.h"
#include "comms/firmware/firmware_messages.h"

namespace vuriru {

namespace {

// The message box the engine shows when the controller never answers 0xD7.
constexpr const char* kVersionFailureText = "Failed to get ESC Version";

std::string Seconds(double seconds) {
  std::string text = std::to_string(seconds);
  text.erase(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

}  // namespace

DeviceSession::DeviceSession(const CliOptions& options, ProgressBar& progress)
    : m_options(options),
      m_progress(progress),
      m_scheduler(options.virtualTime ? EventLoopScheduler::Clock::kVirtual : EventLoopScheduler::Clock::kReal),
      m_deadlineMs(m_scheduler.NowMs() + options.TimeoutMs()),
      m_backend(MakeHidBackend({options.simulate, options.faults}, m_scheduler)),
      m_link(*m_backend.library, m_state, m_scheduler),
      m_engine({m_link, m_scheduler, m_state, m_host, m_settings, m_v1, m_curves}) {
  m_scheduler.SetTimerHandler([this](int id) { m_engine.HandleTimer(id); });
}

DeviceSession::~DeviceSession() {
  m_link.Close();
  m_scheduler.SetTimerHandler({});
}

CommandResult DeviceSession::Prepare() {
  if (m_backend.error) {
    return CommandResult::Fail(ExitCode::kUsage,
                               m_backend.error.what + "; run 'vuriru-cli --help' for the " + m_backend.error.helpTopic);
  }
  if (m_backend.simulated != nullptr) {
    CommandResult memory = KeepSimulatedMemory(*m_backend.simulated, m_options);
    if (!memory.ok()) return memory;
  }
  m_backend.ReportDeviceChanges([this](const DeviceChangeEvent& event) { OnDeviceChange(event); });
  if (!m_options.tracePath.empty()) {
    m_trace.emplace(m_options.tracePath, m_scheduler);
    if (!m_trace->IsOpen()) {
      return CommandResult::Fail(ExitCode::kUsage, "cannot write the trace file " + m_options.tracePath +
                                                       "; check that its folder exists and is writable");
    }
    m_link.SetTrace(
        [this](bool outgoing, const uint8_t* bytes, uint32_t length) { m_trace->Record(outgoing, bytes, length); });
    m_link.SetTraceNote([this](const std::string& note) { m_trace->Note(note); });
  }
  return CommandResult::Ok();
}

void DeviceSession::OnDeviceChange(const DeviceChangeEvent& event) {
  if (event.kind != DeviceChangeEvent::Kind::InterfaceRemoval || event.path != m_link.DevicePath()) return;
  // The RUZ Oviveru Ruv restarts into its loader at the start of its update
  // and may drop off the bus meanwhile; the transfer picks it up again, as
  // the window does.
  if (m_state.g_lcdUpdating && m_state.g_lcdMode) {
    m_boxDropped = true;
    return;
  }
  m_adapterRemoved = true;
  if (m_firmware) m_firmware->OnAdapterRemoved();
}

std::vector<AdapterEntry> DeviceSession::ListAdapters() {
  std::vector<AdapterEntry> adapters;
  const uint32_t count = m_backend.library->HidDevice_GetNumHidDevices(kLinkVendorId, kLinkProductId);
  for (uint32_t index = 0; index < count; ++index) {
    char path[kHidPathBufferLength] = {};
    if (m_backend.library->HidDevice_GetHidString(index, kLinkVendorId, kLinkProductId, HID_PATH_STRING, path,
                                                  sizeof path) != HID_DEVICE_SUCCESS) {
      continue;
    }
    path[sizeof path - 1] = '\0';
    AdapterEntry entry{path, false};
    HID_DEVICE device = nullptr;
    if (m_backend.library->HidDevice_Open(&device, index, kLinkVendorId, kLinkProductId, kInputBuffersAtOpen) ==
            HID_DEVICE_SUCCESS &&
        device != nullptr) {
      entry.opens = m_backend.library->HidDevice_IsOpened(device);
      m_backend.library->HidDevice_Close(device);
    }
    adapters.push_back(std::move(entry));
  }
  return adapters;
}

CommandResult DeviceSession::Connect() {
  m_progress.SetCaption("Connecting");
  std::string path = m_options.devicePath;
  if (path.empty()) {
    path = m_link.GetLastLinkDevicePath();
    if (path.empty()) {
      return CommandResult::Fail(ExitCode::kDeviceFailure,
                                 "no link adapter found; plug in the adapter, or try --simulate full");
    }
  } else if (!m_link.FindLinkDevice(path, nullptr)) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "no link adapter at " + path + "; run 'vuriru-cli list' to see the attached adapters");
  }
  m_link.SetDevicePath(path);
  if (!m_engine.ConnectAttempt()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the adapter at " + path +
                                   " could not be opened; check its access rights (udev rule) and that no other "
                                   "program is using it");
  }
  return CommandResult::Ok();
}

bool DeviceSession::IsDisplayBox() const {
  // The display box answers the probes with a full-kind byte but is never
  // counted as a present controller.
  return m_state.g_adapterReady == 1 && m_state.g_deviceType == device_type::kFull && m_state.g_escPresent == 0 &&
         m_engine.RetryCounter() != TransactionEngine::kControllerLost;
}

bool DeviceSession::IsFullController() const {
  return m_state.g_deviceType == device_type::kFull && m_state.g_escPresent == 1;
}

bool DeviceSession::IsV1Controller() const {
  return m_state.g_deviceType == device_type::kV1;
}

std::string DeviceSession::ControllerKind() const {
  if (IsV1Controller()) {
    if (m_state.v1Variant == kV1BecShown) return "v1-bec";
    // The V1 model that takes *.hgm firmware answers with the shortest reply.
    if (m_engine.ReplyLength() == 12) return "v1-hgm";
    return "v1";
  }
  if (IsFullController()) return "full";
  if (IsDisplayBox()) return "lcd";
  return "none";
}

bool DeviceSession::ReadDone() const {
  return m_state.settingsRead == 1 && m_state.engineState == engine_state::kProbe && !m_engine.IsWaiting();
}

std::optional<CommandResult> DeviceSession::Failure() const {
  if (m_firmware) {
    // A stopped transfer says how far it came and what to do; its message
    // box is that text. The completion notice is no failure.
    if (m_firmware->Outcome() == TransferOutcome::kFailed) {
      return CommandResult::Fail(ExitCode::kDeviceFailure, m_firmware->LastMessage());
    }
    if (m_firmware->Outcome() == TransferOutcome::kCompleted) return std::nullopt;
  }
  if (m_adapterRemoved || !m_link.IsOpen()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the adapter was unplugged during the command; plug it in again and repeat the command");
  }
  if (!m_host.Messages().empty()) {
    const std::string& message = m_host.Messages().front();
    const std::string advice = message == kVersionFailureText
                                   ? ": the controller did not answer the version request; check its power and "
                                     "cable, then repeat the command"
                                   : "; repeat the command";
    return CommandResult::Fail(ExitCode::kDeviceFailure, message + advice);
  }
  if (m_state.g_adapterReady == 1 && m_engine.RetryCounter() == TransactionEngine::kControllerLost) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the adapter answers but no controller does; check that the controller is switched on "
                               "and plugged into the adapter");
  }
  return std::nullopt;
}

CommandResult DeviceSession::TimedOut(const std::string& goalText) const {
  if (m_firmware && m_firmware->Outcome() == TransferOutcome::kRunning) {
    // A box that dropped off the bus and never came back was most likely
    // unplugged.
    const uint32_t percent = m_firmware->PercentDone();
    const FirmwareKind kind = m_firmware->Kind();
    return CommandResult::Fail(
        ExitCode::kDeviceFailure,
        EnglishText(m_boxDropped ? AdapterRemovedMessage(percent, kind) : TransferSilentMessage(percent, kind)));
  }
  const std::string after = " within " + Seconds(m_options.timeoutSeconds) + " s";
  if (m_state.g_adapterReady != 1) {
    return CommandResult::Fail(ExitCode::kDeviceFailure, "the adapter did not answer the connect report" + after +
                                                             "; unplug it, plug it in again and repeat the command");
  }
  if (m_state.g_escPresent != 1 && !IsV1Controller()) {
    return CommandResult::Fail(
        ExitCode::kDeviceFailure,
        "no controller answered" + after + "; check that the controller is switched on and plugged into the adapter");
  }
  return CommandResult::Fail(ExitCode::kDeviceFailure, "the controller did not finish " + goalText + after +
                                                           "; repeat the command, or give it more time with --timeout");
}

CommandResult DeviceSession::RunUntil(const std::function<bool()>& goal, const std::string& goalText) {
  std::optional<CommandResult> failure;
  // Failures first: a failed version request leaves the flags looking like
  // the display box's, which some goals accept.
  const auto stop = [&] {
    if (m_firmware && m_firmware->Outcome() != TransferOutcome::kNone) {
      m_progress.SetProgress(m_firmware->Position(), m_firmware->Size());
    } else {
      // Between transactions the engine leaves its range set and its
      // position at 0; the bar then shows only the phase.
      m_progress.SetProgress(m_state.g_progressPos, m_state.g_progressPos == 0 ? 0 : m_state.g_progressRange);
    }
    failure = Failure();
    return failure.has_value() || goal();
  };
  const uint64_t now = m_scheduler.NowMs();
  const uint64_t left = m_deadlineMs > now ? m_deadlineMs - now : 0;
  const bool stopped = m_scheduler.RunUntil(stop, left);
  if (failure) return *failure;
  if (!stopped) return TimedOut(goalText);
  return CommandResult::Ok();
}

void DeviceSession::RestartDeadline(uint64_t ms) {
  m_deadlineMs = m_scheduler.NowMs() + ms;
}

FirmwareTransfer& DeviceSession::StartFirmwareUpdate(const std::string& path, bool anyExtension) {
  m_firmwareHost.SetFile(path);
  if (!m_firmware) m_firmware.emplace(m_engine, m_firmwareHost);
  m_firmware->AcceptAnyExtension(anyExtension);
  m_progress.SetCaption("Sending firmware");
  m_progress.SetUnit("bytes");
  m_firmware->SendFirmwareFile();
  return *m_firmware;
}

CommandResult DeviceSession::WaitForIdentity() {
  m_progress.SetCaption("Identifying");
  return RunUntil(
      [this] {
        if (IsDisplayBox()) return true;
        // A V1 controller's model shows only in its settings reply.
        if (IsFullController() && !SoftwareVersion().empty()) return true;
        return ReadDone();
      },
      "identifying itself");
}

CommandResult DeviceSession::WaitForRead() {
  return ReadUntilDone("Reading");
}

CommandResult DeviceSession::ReadUntilDone(const std::string& caption) {
  m_progress.SetCaption(caption);
  m_host.ClearRefusedCurves();
  CommandResult result = RunUntil([this] { return IsDisplayBox() || ReadDone(); }, "sending its settings");
  if (!result.ok()) return result;
  if (IsDisplayBox()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the adapter reports the RUZ Oviveru Ruv display box, which has no settings to read; "
                               "plug a speed controller into the adapter");
  }
  if (!m_host.RefusedCurves().empty()) {
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the " + std::string(CurveName(*m_host.RefusedCurves().begin())) +
                                   " curve from the controller failed its check and was not taken; repeat the "
                                   "command, and check the cable if it happens again");
  }
  return CommandResult::Ok();
}

CommandResult DeviceSession::Store(int32_t pressedCommand) {
  m_progress.SetCaption("Storing");
  // What the main window does before it hands the store to the engine.
  m_engine.PrepareUserStore(pressedCommand == command::kDefault ? Transaction::kDefault : Transaction::kApply);
  m_engine.SendSettings();
  if (m_state.engineState != engine_state::kStore) {
    m_state.g_transferPending = 0;
    return CommandResult::Fail(ExitCode::kDeviceFailure,
                               "the settings could not be stored: a value lies outside its list");
  }
  return RunUntil(
      [this] {
        return m_state.engineState == engine_state::kProbe && m_state.g_transferPending == 0 && !m_engine.IsWaiting();
      },
      "storing the settings");
}

CommandResult DeviceSession::ReadAgain() {
  m_state.settingsRead = 0;
  return ReadUntilDone("Reading back");
}

}  // namespace vuriru
