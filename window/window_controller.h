#pragma once
// The window's choreography without a widget: which page, background,
// indicators and buttons the window shows, in the order it shows them, for
// every command of the user and every event of the engine. The main window
// draws what the controller decides (WindowView) and hands it the user's
// commands; questions go through UserDialogs. Plain C++, tested alone.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/scheduler.h"
#include "common/user_text.h"
#include "comms/engine/engine_events.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/firmware_host.h"
#include "comms/firmware/firmware_transfer.h"
#include "curves/curve_set.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "window/refusal.h"
#include "window/shared_state.h"
#include "window/user_dialogs.h"
#include "window/window_view.h"

namespace vuriru {

inline constexpr const char* kDataFileFilter = "(*.DATA)|*.DATA|All File (*.*)|*.*||";
inline constexpr const char* kReadProgressCaption = VURIRU_TEXT("Messages", "Read From Esc Process......");
// The caption of the message about an adapter the link may not open.
inline constexpr const char* kRefusedAdapterCaption = VURIRU_TEXT("Messages", "USB Link Adapter");

class WindowController : public EngineListener, public FirmwareHost {
 public:
  // What the controller works on; all of it outlives the controller. The
  // engine may be constructed after the controller (it reports to it).
  struct Parts {
    SharedState& state;
    TransactionEngine& engine;
    UsbLink& link;
    Scheduler& scheduler;
    WindowView& view;
    UserDialogs& dialogs;
    SettingsBlock& settings;
    CurveSet& curves;
  };

  explicit WindowController(const Parts& parts);
  WindowController(const WindowController&) = delete;
  WindowController& operator=(const WindowController&) = delete;

  // The start state once the window's pictures are loaded: the button row
  // without a page, no device, commands held for the first read, and the
  // search for the adapter at 500 ms. The engine's timers report to it.
  void Start();
  // Stops the timers' reports, before the window goes.
  void Stop();

  // The page switch and the pieces of the window it uses.
  void ShowPage(uint8_t page);
  void ReloadBackground();
  void ShowStatusIndicators(bool show);
  bool IsBusy() const;
  const std::string& BackgroundFile() const { return m_backgroundFile; }

  // The user's commands.
  void OnPageButton(uint8_t page);
  void OnApply();
  void OnDefault();
  void OnDeviceEsc();
  void OnDeviceLcd();
  void OnExportData();
  void OnImportData();
  bool ExportTo(const std::string& chosen);
  bool ImportFrom(const std::string& path);
  // "UpData" and "Update Firmware": the firmware update's file choice and transfer.
  void StartFirmwareUpdate();
  // Escape: closes an open option list, or cancels an open curve editor;
  // otherwise nothing. It never ends the program.
  void OnEscape();
  // Whether closing may go ahead: asks first, default No, when a transfer
  // would be cut short or edits not yet applied would be lost.
  bool ConfirmQuit();
  // Dims the row's buttons that cannot act now; their images stay as drawn.
  void UpdateCommandLooks();

  // The main window's confirmation state: 2 after the user cancelled the
  // Apply or Default question.
  int m_nConfirmState = 0;

  // ---- EngineListener ----
  void OnEngineEvent(const EngineEvent& event) override;
  // ---- FirmwareHost ----
  std::string ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) override;

  const FirmwareTransfer* Firmware() const { return m_firmware ? &*m_firmware : nullptr; }

 private:
  void SetRowShown(bool shown);
  void SetSettingsButtonsShown(bool shown);
  void HidePagesAndEditors();
  void ShowStartPage();
  // What ends every user command in the window: the pressed button is
  // redrawn (and so released) and the progress dialog hidden.
  void EndCommand();
  // Says in the status line why the command cannot act, and returns true;
  // false, with the line cleared, when it may act.
  bool Refuse(WindowCommand command);
  void ShowStatus(const std::string& text);
  void StartSettingsWrite(Transaction transaction);

  void OnIdentified(const EngineEvent& event);
  void OnSettingsRead(const EngineEvent& event);
  void OnCurvesRead(const EngineEvent& event);
  void OnStoreDone(const EngineEvent& event);
  void OnProgress(const EngineEvent& event);
  void OnTransferEnded(const EngineEvent& event);
  void OnLinkChanged(const EngineEvent& event);

  SharedState& m_state;
  TransactionEngine& m_engine;
  UsbLink& m_link;
  Scheduler& m_scheduler;
  WindowView& m_view;
  UserDialogs& m_dialogs;
  SettingsBlock& m_settings;
  CurveSet& m_curves;
  std::optional<FirmwareTransfer> m_firmware;
  std::string m_backgroundFile;
  std::string m_statusText;
  // Held by the status line's clearing, so that none runs after the
  // controller is gone.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace vuriru
