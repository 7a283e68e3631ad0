// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's choreography without a widget: which page, background,
// indicators and buttons the window shows, in the order it shows them, for
// every command of the user and every event of the engine. The main window
// draws what the controller decides (WindowView) and hands it the user's
// commands; questions go through UserDialogs. Plain C++, tested alone.

#include <cstdint>
#include <filesystem>
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
#include "files/data_file_codec.h"
#include "library/library.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"
#include "window/refusal.h"
#include "window/settings_memory.h"
#include "window/shared_state.h"
#include "window/user_dialogs.h"
#include "window/window_view.h"

namespace vuriru {

inline constexpr const char* kDataFileFilter = "(*.DATA)|*.DATA|All File (*.*)|*.*||";
// The File menu's filter: *.DATA first, as it always was, then the JSON file.
inline constexpr const char* kSettingsFileFilter = "(*.DATA)|*.DATA|JSON (*.json)|*.json|All File (*.*)|*.*||";
// The caption of the messages about the settings library.
inline constexpr const char* kLibraryCaption = VURIRU_TEXT("Messages", "Settings library");
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
  // The settings library the window keeps its history in, and the V1
  // settings block the engine reads a V1 controller into. Without them the
  // window keeps no history. Set before Start, which tells the library's
  // trouble once the window runs.
  void KeepHistoryIn(Library& library, const V1SettingsBlock& v1Settings);
  Library* HistoryLibrary() const { return m_library; }

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
  // The V1 panel's "Send Settings", once the panel has put its values into
  // the V1 settings block: keeps what the controller held, then stores.
  void OnV1Send();

  // What the history and the files work with. The edited values: the
  // current indexes and stored curves as the pages hold them now.
  EscData EditedData() const;
  // Why the pages cannot take other values now (the import's rule); "" when
  // they can.
  std::string WhyPagesCannotTakeValues() const;
  // The pages take `data` as a checked import does: nothing is written
  // until Apply.
  void TakeValues(const EscData& data);
  // Saves `data` under the chosen name: as JSON when it ends in ".json",
  // else as *.DATA under the export's name, asking before overwriting. A
  // file that cannot be written is said so.
  bool SaveValuesAs(const std::string& chosen, const EscData& data, const std::string& software);
  const std::string& SoftwareVersion() const { return m_engine.SoftwareVersionText(); }
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
  // The name a save goes to (JSON as chosen, else the export's *.DATA
  // name), once the user allowed an existing file to be replaced.
  std::optional<std::filesystem::path> ConfirmSaveName(const std::string& chosen);
  bool WriteValues(const std::filesystem::path& path, const EscData& data, const std::string& software);

  void OnIdentified(const EngineEvent& event);
  void OnSettingsRead(const EngineEvent& event);
  void OnCurvesRead(const EngineEvent& event);
  void OnStoreDone(const EngineEvent& event);
  void OnProgress(const EngineEvent& event);
  void OnTransferEnded(const EngineEvent& event);
  void OnLinkChanged(const EngineEvent& event);

  // The history: snapshots of what the controller held, kept on the
  // engine's events and before every write.
  void OnFullReadForHistory();
  // Once the engine event being handled is done: the library's notice, if it
  // has one (told once).
  void TellLibraryTroubleLater();
  void OnV1ReplyForHistory();
  void OnV1FirstReadForHistory();
  void OnStoreDoneForHistory(Transaction transaction);
  // What the controller held when last read or stored, as a record.
  std::optional<ControllerRecord> LastHeldRecord() const;
  void Record(const std::optional<ControllerRecord>& record, SnapshotReason reason);
  // Before a write: keeps what the controller held, or tells the user,
  // before the write starts, that it could not be kept.
  void KeepBeforeWrite(SnapshotReason reason);
  // The library's one message about its trouble, if it has not been shown;
  // `beforeWrite` adds that the write goes ahead.
  void TellLibraryNotice(bool beforeWrite);
  // What the controller held after the last completed read or store, for
  // the questions before Apply and Default.
  std::optional<EscData> LastCompletedData() const;

  SharedState& m_state;
  TransactionEngine& m_engine;
  UsbLink& m_link;
  Scheduler& m_scheduler;
  WindowView& m_view;
  UserDialogs& m_dialogs;
  SettingsBlock& m_settings;
  CurveSet& m_curves;
  std::optional<FirmwareTransfer> m_firmware;
  Library* m_library = nullptr;
  const V1SettingsBlock* m_v1Settings = nullptr;
  SettingsMemory m_memory;
  std::string m_backgroundFile;
  std::string m_statusText;
  // Held by the status line's clearing, so that none runs after the
  // controller is gone.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace vuriru
