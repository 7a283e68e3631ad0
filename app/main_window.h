// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: owns the pages, the V1 panels, the progress dialog, the
// button row and the two link indicators, and the link and transaction engine
// that run on its timers. It draws what the window controller decides (it is
// the controller's WindowView) and hands the controller the user's commands;
// the controller turns them, and the engine's events, into the window's
// steps.

#include <array>
#include <map>
#include <memory>
#include <string>

#include <QDialog>
#include <QPixmap>

#include "common/scheduler.h"
#include "comms/engine/transaction_engine.h"
#include "curves/curve_set.h"
#include "library/library.h"
#include "link/device_change.h"
#include "link/hid_device.h"
#include "link/link_hotplug.h"
#include "link/usb_link.h"
#include "pages/page_set.h"
#include "settings/settings_block.h"
#include "v1/v1_settings_block.h"
#include "widgets/kit/language.h"
#include "widgets/v1/v1_panel_host.h"
#include "window/shared_state.h"
#include "window/user_dialogs.h"
#include "window/window_controller.h"
#include "window/window_view.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace vuriru {

class CCnV1Dlg;
class CCownerDrawBton;
class CEscProcessDlg;
class CV1Dlg;

inline constexpr const char* kMainWindowTitle = "Vuriru USB Link V11 Beta";

class CQorProDlg : public QDialog, public WindowView, public V1PanelHost {
  Q_OBJECT
 public:
  // The scheduler, the HID backend and the dialogs outlive the window.
  CQorProDlg(Scheduler& scheduler, HidLibrary& hid, UserDialogs& dialogs, QWidget* parent = nullptr);
  ~CQorProDlg() override;

  // Loads the start pictures, sets the start state and starts the search for
  // the adapter. False (the window then ends) when a picture is missing.
  bool OnInitDialog();
  // The picture that could not be loaded, when the window ended for it.
  const std::string& MissingPicture() const { return m_missingPicture; }

  // The user's commands, as the window's buttons and menus give them.
  void OnPageButton(uint8_t page) { m_controller.OnPageButton(page); }
  void OnApply() { m_controller.OnApply(); }
  void OnDefault() { m_controller.OnDefault(); }
  void OnDeviceEsc() { m_controller.OnDeviceEsc(); }
  void OnDeviceLcd() { m_controller.OnDeviceLcd(); }
  void OnExportData() { m_controller.OnExportData(); }
  void OnImportData() { m_controller.OnImportData(); }
  // File > History...: the snapshots and setups of the settings library.
  void OnHistory();
  // The Data page's History: the running log over the runs the library keeps.
  void OnRunLogHistory();
  // The settings library the window keeps its history in; without it the
  // window keeps none and History... does nothing. Set before OnInitDialog.
  void KeepHistoryIn(Library& library);
  void OnEscape() { m_controller.OnEscape(); }
  bool ConfirmQuit() { return m_controller.ConfirmQuit(); }
  void ShowPage(uint8_t page) { m_controller.ShowPage(page); }
  // A device arrival or removal from the hot-plug watcher or the simulator.
  void OnDeviceChange(const DeviceChangeEvent& event);

  // ---- ButtonHost (through V1PanelHost) ----
  bool IsBusy() const override { return m_controller.IsBusy(); }
  SharedState& State() override { return m_state; }
  int& ConfirmState() override { return m_controller.m_nConfirmState; }

  // Views for the program and tests.
  WindowController& Controller() { return m_controller; }
  SettingsBlock& Settings() { return m_settings; }
  CurveSet& Curves() { return m_curves; }
  TransactionEngine& Engine() { return m_engine; }
  UsbLink& Link() { return m_link; }
  CCownerDrawBton* Button(int controlId) const;
  CFirmware* DeviceInfoPage() const { return m_pages->DeviceInfo(); }
  CGeneral* GeneralPage() const { return m_pages->General(); }
  CThrottle* ThrottlePage() const { return m_pages->Throttle(); }
  CBrake* BrakePage() const { return m_pages->Brake(); }
  CBoost* BoostPage() const { return m_pages->Boost(); }
  CTurbo* TurboPage() const { return m_pages->Turbo(); }
  CData* DataPage() const { return m_pages->Data(); }
  CV1Dlg* V1Panel() const { return m_v1Dlg; }
  CCnV1Dlg* CnV1Panel() const { return m_cnV1Dlg; }
  CEscProcessDlg* ProgressDialog() const { return m_progress; }
  // The page widget with this number (1..7), or nullptr.
  QWidget* PageWidget(uint8_t page) const { return m_pages->Page(page); }
  const std::string& BackgroundFile() const { return m_backgroundFile; }
  // The picture painted now: the start picture until a page was chosen.
  const QPixmap& PaintedBackground() const;
  // The line at the foot of the window that says why a command did not act.
  QString StatusLineText() const;

  // ---- WindowView ----
  void SetButtonShown(int controlId, bool shown) override;
  void SetButtonDimmed(int controlId, bool dimmed) override;
  void RedrawButton(int controlId) override;
  void FocusButton(int controlId) override;
  void SetIndicatorsShown(bool shown) override;
  void RedrawIndicators() override;
  void SetPageShown(uint8_t page, bool shown) override;
  void HideCurveEditors() override;
  void SetV1PanelShown(V1PanelKind panel, bool shown) override;
  void SetBackground(const std::string& file) override;
  void Redraw() override;
  void PreparePageSwitch(uint8_t page) override;
  void FinishPageSwitch(uint8_t page) override;
  void RefreshDeviceInfo() override;
  void ApplyDeviceLook() override;
  void RedrawNoteButtons() override;
  void CollectSelections() override;
  void ApplyFactoryIndexes() override;
  void RefreshPages() override;
  void ResetCurveEditors() override;
  void RedrawCurve(CurveNumber number) override;
  void FormatRunningLog() override;
  bool CloseOpenList() override;
  bool CancelOpenCurveEditor() override;
  void SetHardwareVersion(const std::string& text) override;
  void SetSoftwareVersion(const std::string& text) override;
  void ShowV1ReadValues() override;
  void ShowV1SendDone() override;
  void SetV1StatusText(const UserText& text) override;
  void ShowProgress(uint32_t pos, uint32_t range) override;
  void SetProgressCaption(const UserText& text, uint32_t pos, uint32_t range) override;
  void HideProgress() override;
  void Beep() override;
  void ShowStatusLine(const std::string& text) override;

  // ---- V1PanelHost ----
  V1ConnectionIndicators ConnectionIndicators() const override;
  void StartV1Read() override;
  void SendSettings() override;
  void SendFirmwareFile() override;
  void ShowProgress() override;
  void FinishProgress() override;

  // The Language menu's choice: switches every text and picture of the
  // window at once and remembers the choice for the next start.
  void ChooseLanguage(Language language);
  QMenuBar* MenuBar() const { return m_menuBar; }

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildButtons();
  void BuildPages();
  void BuildStatusLine();
  // The menus' texts in the window's language; the language items are
  // checked by the language shown.
  void RetranslateMenus();
  // After a language switch: the pictures and the texts the window keeps.
  void Retranslate();
  bool LoadPicture(const std::string& file, QPixmap& into);

  Scheduler& m_scheduler;
  UserDialogs& m_dialogs;
  Library* m_library = nullptr;

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
  // The controller hears the engine's events, so it comes first; it is
  // handed the engine, constructed right after it.
  WindowController m_controller;
  TransactionEngine m_engine;
  LinkHotplug m_hotplug;

  QMenuBar* m_menuBar = nullptr;
  int m_menuHeight = 0;
  QMenu* m_fileMenu = nullptr;
  QMenu* m_deviceMenu = nullptr;
  QMenu* m_languageMenu = nullptr;
  // File: export, import, about, exit; Device: controller, box.
  std::array<QAction*, 4> m_fileActions{};
  QAction* m_historyAction = nullptr;
  std::array<QAction*, 2> m_deviceActions{};
  QAction* m_englishAction = nullptr;
  QAction* m_chineseAction = nullptr;
  QLabel* m_statusLine = nullptr;
  // What the status line and the progress caption show, as English source
  // texts, so that a language switch can show them again.
  std::string m_statusSource;
  UserText m_progressCaption;

  std::unique_ptr<CPageSet> m_pages;
  CV1Dlg* m_v1Dlg = nullptr;
  CCnV1Dlg* m_cnV1Dlg = nullptr;
  CEscProcessDlg* m_progress = nullptr;
  std::map<int, CCownerDrawBton*> m_buttons;
  // Deferred device changes check it, so none runs after the window is gone.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);

 public:
  // The main window's confirmation state (the controller keeps it).
  int& m_nConfirmState = m_controller.m_nConfirmState;
};

}  // namespace vuriru
