// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transaction engine with everything a program puts around it, over a
// given HidLibrary and clock: the shared state, the link and its hot-plug
// handling, the settings, V1 settings and curves, the firmware transfer, and
// hosts that accept every request and count the few that tell how a session
// ended. The engine fuzz target runs it over the scripted library; the seed
// maker over the simulated adapter, to record sessions that work.

#include <cstdint>
#include <functional>
#include <string>

#include "common/event_loop_scheduler.h"
#include "comms/engine/engine_events.h"
#include "comms/engine/engine_state.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/firmware_transfer.h"
#include "curves/curve_set.h"
#include "link/link_hotplug.h"
#include "link/link_state.h"
#include "link/usb_link.h"
#include "v1/v1_settings_block.h"

namespace vuriru::fuzz {

// The flags a session's link and engine work on, and the one window flag the
// window's busy check reads.
struct SessionState : LinkState, EngineState {
  uint8_t g_curveEditorOpen = 0;
};

class SessionHosts : public EngineListener, public FirmwareHost {
 public:
  // The next firmware file choice is cancelled.
  bool cancelNextChoice = false;

  // How far the session came.
  uint32_t readsFinished = 0;  // a full controller's read ended
  uint32_t pressedButtonsReleased = 0;
  uint32_t v1ReadsShown = 0;
  uint32_t v1SendsDone = 0;
  uint32_t messages = 0;
  // Called when the V1 panel is told "Send Ok".
  std::function<void()> onV1SendDone;

  void OnEngineEvent(const EngineEvent& event) override;

  // FirmwareHost: the test file of the kind the dialog asks for.
  std::string ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) override;
};

class EngineSession {
 public:
  EngineSession(HidLibrary& hid, EventLoopScheduler& clock);
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  // Called just before a command starts a store (SendSettings).
  std::function<void()> beforeStore;

  // Opens the adapter as the connect timer would: engine state 1.
  bool Connect();
  // The flags a finished read leaves for a controller of this kind, idling
  // in state 2 with commands free.
  void AsIfRead(uint8_t deviceType);

  // Commands as the window (Apply, Default, Device menu) and the V1 panel
  // (Read Settings, Send Settings, Update Firmware) give them. Unless forced,
  // each is refused while its caller would be busy; the firmware update needs
  // only the link.
  void Apply(bool factory, bool forced);
  void V1Read(bool forced);
  void V1Send(bool forced);
  void UpdateFirmware();
  void SelectBox();
  void SelectEsc();

  // The adapter at this path went away or came (any path: a device change).
  void DeviceRemoved(const std::string& path);
  void DeviceArrived();

  EventLoopScheduler& scheduler;
  SessionState state;
  UsbLink link;
  SessionHosts hosts;
  SettingsBlock settings;
  V1SettingsBlock v1;
  CurveSet curves;
  TransactionEngine engine;
  LinkHotplug hotplug;
  FirmwareTransfer transfer;

 private:
  bool WindowBusy() const;
};

}  // namespace vuriru::fuzz
