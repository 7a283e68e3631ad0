// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/engine_session.h"

#include "comms/firmware/firmware_kind.h"
#include "fuzz/firmware_files.h"
#include "settings/settings_table.h"
#include "v1/v1_settings_table.h"

namespace vuriru::fuzz {

std::string SessionHosts::ChooseFirmwareFile(std::string_view, std::string_view defaultName) {
  if (cancelNextChoice) {
    cancelNextChoice = false;
    return {};
  }
  const std::optional<FirmwareKind> kind = FirmwareKindFromFileName(defaultName);
  return kind ? FirmwareTestFile(*kind) : std::string();
}

void SessionHosts::OnEngineEvent(const EngineEvent& event) {
  switch (event.kind) {
    case EngineEventKind::kCurvesRead:
      ++readsFinished;
      break;
    case EngineEventKind::kStoreDone:
      if (event.transaction == Transaction::kV1Store) {
        ++v1SendsDone;
        if (onV1SendDone) onV1SendDone();
      } else {
        ++pressedButtonsReleased;
      }
      break;
    case EngineEventKind::kTransferEnded:
      if (event.transaction == Transaction::kApply || event.transaction == Transaction::kDefault) {
        ++pressedButtonsReleased;
      }
      break;
    case EngineEventKind::kSettingsRead:
      if (event.showValues) ++v1ReadsShown;
      break;
    case EngineEventKind::kMessage:
      ++messages;
      break;
    default:
      break;
  }
}

EngineSession::EngineSession(HidLibrary& hid, EventLoopScheduler& clock)
    : scheduler(clock),
      link(hid, state, scheduler),
      curves(settings),
      engine(TransactionEngine::Parts{link, scheduler, state, hosts, settings, v1, curves}),
      hotplug(link, state, scheduler, engine),
      transfer(engine, hosts) {
  LoadFactorySettings(settings);
  v1 = V1FactoryBlock();
  scheduler.SetTimerHandler([this](int id) { engine.HandleTimer(id); });
}

bool EngineSession::Connect() {
  link.SetDevicePath(link.GetLastLinkDevicePath());
  return engine.ConnectAttempt();
}

void EngineSession::AsIfRead(uint8_t deviceType) {
  state.g_adapterReady = 1;
  state.g_escPresent = 1;
  state.g_deviceType = deviceType;
  state.settingsRead = 1;
  state.engineState = engine_state::kProbe;
  state.g_transferPending = 0;
  state.g_refreshPages = 0;
  state.g_progressPos = 0;
}

bool EngineSession::WindowBusy() const {
  return state.g_transferPending != 0 || state.g_curveEditorOpen != 0 || state.g_linkState != link_state::kOpen ||
         state.g_adapterReady == 0 || state.g_escPresent == 0;
}

void EngineSession::Apply(bool factory, bool forced) {
  if (!forced && (WindowBusy() || state.g_deviceType != device_type::kFull)) return;
  if (factory) LoadFactorySettings(settings);
  engine.PrepareUserStore(factory ? Transaction::kDefault : Transaction::kApply);
  if (state.g_linkState != link_state::kOpen) return;
  if (beforeStore) beforeStore();
  engine.SendSettings();
}

void EngineSession::V1Read(bool forced) {
  if (!forced && (state.g_transferPending != 0 || state.g_curveEditorOpen != 0)) return;
  if (state.g_linkState == link_state::kOpen) engine.StartV1Read();
}

void EngineSession::V1Send(bool forced) {
  if (!forced && (state.g_transferPending != 0 || state.g_curveEditorOpen != 0)) return;
  state.g_progressRange = 409;
  if (state.g_linkState != link_state::kOpen) return;
  engine.PrepareUserStore(Transaction::kV1Store);
  if (beforeStore) beforeStore();
  engine.SendSettings();
}

void EngineSession::UpdateFirmware() {
  if (state.g_linkState == link_state::kOpen) transfer.SendFirmwareFile();
}

void EngineSession::SelectBox() {
  if (state.g_adapterReady != 1 || state.g_escPresent != 0 || state.g_lcdMode) return;
  state.g_lcdMode = true;
  state.g_deviceType = device_type::kFull;
}

void EngineSession::SelectEsc() {
  if (state.g_escPresent == 0 || !state.g_lcdMode) return;
  state.g_lcdMode = false;
}

void EngineSession::DeviceRemoved(const std::string& path) {
  hotplug.OnInterfaceRemoval(path);
}

void EngineSession::DeviceArrived() {
  hotplug.OnInterfaceArrival();
}

}  // namespace vuriru::fuzz
