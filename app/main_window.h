#pragma once
// The main window: owns the pages, the V1 panels, the progress dialog, the
// button row and the two link indicators, and the link and transaction engine
// that run on its timers. Which of them is visible follows from the shared
// state (see ShowPage). The window is the host of the engine, the firmware
// transfer, the hot-plug handling, the bitmap buttons and the V1 panels.

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QDialog>
#include <QPixmap>

#include "common/scheduler.h"
#include "common/shared_state.h"
#include "comms/engine/engine_host.h"
#include "comms/engine/transaction_engine.h"
#include "comms/firmware/firmware_host.h"
#include "comms/firmware/firmware_transfer.h"
#include "curves/curve_set.h"
#include "link/device_change.h"
#include "link/hid_device.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"
#include "widgets/v1/v1_panel_host.h"
#include "window/refusal.h"
#include "window/user_dialogs.h"

class QAction;
class QLabel;
class QMenuBar;

namespace vuriru {

class CBoost;
class CBrake;
class CCnV1Dlg;
class CCownerDrawBton;
class CData;
class CEscProcessDlg;
class CFirmware;
class CGeneral;
class CSettingsPage;
class CThrottle;
class CTurbo;
class CV1Dlg;

inline constexpr const char* kMainWindowTitle = "Vuriru USB Link V11 Beta";
inline constexpr const char* kDataFileFilter = "(*.DATA)|*.DATA|All File (*.*)|*.*||";

class CQorProDlg : public QDialog, public EngineHost, public FirmwareHost, public LinkHotplugHost, public V1PanelHost {
  Q_OBJECT
 public:
  // The scheduler, the HID backend and the dialogs outlive the window. The
  // window sets itself as the scheduler's timer handler.
  CQorProDlg(Scheduler& scheduler, HidLibrary& hid, UserDialogs& dialogs, QWidget* parent = nullptr);
  ~CQorProDlg() override;

  // Loads the start pictures, sets the start state and starts the search for
  // the adapter. False (the window then ends) when a picture is missing.
  bool OnInitDialog();
  // The picture that could not be loaded, when the window ended for it.
  const std::string& MissingPicture() const { return m_missingPicture; }

  // The page switch and the pieces of the window it uses.
  void ShowPage(uint8_t page) override;
  void ReloadBackground() override;
  void ShowStatusIndicators(bool show) override;
  bool IsBusy() const override;

  // Commands.
  void OnPageButton(uint8_t page);
  void OnApply();
  void OnDefault();
  void OnDeviceEsc();
  void OnDeviceLcd();
  void OnExportData();
  void OnImportData();
  // Escape: closes an open option list, or cancels an open curve editor;
  // otherwise nothing. It never ends the program.
  void OnEscape();
  // Whether closing may go ahead: asks first, default No, when a transfer
  // would be cut short or edits not yet applied would be lost.
  bool ConfirmQuit();
  // A device arrival or removal from the hot-plug watcher or the simulator.
  void OnDeviceChange(const DeviceChangeEvent& event);

  // Views for the program and tests.
  SharedState& State() override { return m_state; }
  int& ConfirmState() override { return m_nConfirmState; }
  int m_nConfirmState = 0;
  SettingsBlock& Settings() { return m_settings; }
  CurveSet& Curves() { return m_curves; }
  TransactionEngine& Engine() { return m_engine; }
  UsbLink& Link() { return m_link; }
  CCownerDrawBton* Button(int controlId) const;
  CFirmware* DeviceInfoPage() const { return m_firmwarePage; }
  CGeneral* GeneralPage() const { return m_general; }
  CThrottle* ThrottlePage() const { return m_throttle; }
  CBrake* BrakePage() const { return m_brake; }
  CBoost* BoostPage() const { return m_boost; }
  CTurbo* TurboPage() const { return m_turbo; }
  CData* DataPage() const { return m_data; }
  CV1Dlg* V1Panel() const { return m_v1Dlg; }
  CCnV1Dlg* CnV1Panel() const { return m_cnV1Dlg; }
  CEscProcessDlg* ProgressDialog() const { return m_progress; }
  // The page widget with this number (1..7), or nullptr.
  QWidget* PageWidget(uint8_t page) const;
  const std::string& BackgroundFile() const { return m_backgroundFile; }
  // The line at the foot of the window that says why a command did not act.
  QString StatusLineText() const;
  // The picture painted now: the start picture until a page was chosen.
  const QPixmap& PaintedBackground() const;

  // ---- EngineHost ----
  void ShowProgress(uint32_t pos, uint32_t range) override;
  void SetProgressText(const std::string& text) override;
  void HideProgress() override;
  void RedrawIndicators() override;
  void RedrawWindow() override;
  void RedrawPressedButton(int32_t command) override;
  void ShowCommandButtons() override;
  void FocusPageButton(uint8_t page) override;
  void SetEscLabel(const std::string& text) override;
  void SetHardwareVersionText(const std::string& text) override;
  void SetSoftwareVersionText(const std::string& text) override;
  void ShowV1Panel() override;
  void ShowV1ReadValues() override;
  void TakeV1PanelValues() override;
  void ShowV1SendDone() override;
  void HideCnV1Panel() override;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  void RedrawCurve(CurveNumber number) override;
  void RefreshPagesFromIndexes() override;
  void FormatRunningLog() override;
  void Beep() override;
  void UpdateMainWindow() override;

  // ---- FirmwareHost ----
  std::string ChooseFirmwareFile(std::string_view filter, std::string_view defaultName) override;
  void ShowV1TransferText(const std::string& text) override;
  void ClearV1ReadBusy() override;
  void HideAllPages() override;

  // ---- LinkHotplugHost ----
  void ShowStartPage() override;
  void OpenAdapterRemoved() override;

  // ---- V1PanelHost ----
  V1ConnectionIndicators ConnectionIndicators() const override;
  void StartV1Read() override;
  void SendSettings() override;
  void SendFirmwareFile() override;
  void ShowProgress() override;
  void FinishProgress() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildStatusLine();
  // Says in the status line why the command cannot act, and returns true;
  // false, with the line cleared, when it may act.
  bool Refuse(WindowCommand command);
  void ShowStatus(const QString& text);
  // Dims the row's buttons that cannot act now; their images stay as drawn.
  void UpdateCommandLooks();
  void BuildButtons();
  void BuildPages();
  bool LoadPicture(const std::string& file, QPixmap& into);
  void SetButtonRowShown(bool shown);
  void SetSettingsButtonsShown(bool shown);
  void HidePagesAndEditors();
  void RedrawNoteButtons();
  void PrepareTargetPage(uint8_t page);
  void AfterPageSwitch(uint8_t page);
  void StartSettingsWrite();
  void StartFirmwareUpdate();
  bool ExportTo(const std::string& chosen);
  bool ImportFrom(const std::string& path);
  std::array<CSettingsPage*, 5> SettingsPages() const;

  Scheduler& m_scheduler;
  UserDialogs& m_dialogs;

  QPixmap m_bmpStart;
  std::string m_startFile = "1.bmp";
  QPixmap m_bmpBackground;
  std::string m_backgroundFile;
  std::string m_missingPicture;

  SharedState m_state;
  SettingsBlock m_settings;
  V1SettingsBlock m_v1Settings;
  CnV1SettingsBlock m_cnV1Settings;
  CurveSet m_curves{m_settings};
  UsbLink m_link;
  TransactionEngine m_engine;
  LinkHotplug m_hotplug;
  std::optional<FirmwareTransfer> m_firmware;

  QMenuBar* m_menuBar = nullptr;
  QLabel* m_statusLine = nullptr;
  QAction* m_exportAction = nullptr;
  QAction* m_importAction = nullptr;
  QAction* m_escAction = nullptr;
  QAction* m_lcdAction = nullptr;

  CTurbo* m_turbo = nullptr;
  CThrottle* m_throttle = nullptr;
  CGeneral* m_general = nullptr;
  CFirmware* m_firmwarePage = nullptr;
  CData* m_data = nullptr;
  CBrake* m_brake = nullptr;
  CBoost* m_boost = nullptr;
  CV1Dlg* m_v1Dlg = nullptr;
  CCnV1Dlg* m_cnV1Dlg = nullptr;
  CEscProcessDlg* m_progress = nullptr;
  std::map<int, CCownerDrawBton*> m_buttons;
  // Deferred device changes check it, so none runs after the window is gone.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace vuriru
