// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device information page (page 1): names the attached device, shows its
// hardware and software versions and offers the "UpData" button that starts a
// firmware update. Its texts change only through RefreshDeviceInfo, so the
// versions the engine reads appear the next time the page is shown.

#include <array>
#include <functional>
#include <string>

#include <QPixmap>
#include <QWidget>

#include "widgets/kit/widget_setup.h"
#include "window/button_host.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace vuriru {

class CCownerDrawBton;

class CFirmware : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDeviceLabelId = 1029;
  static constexpr int kHardwareLabelId = 1030;
  static constexpr int kSoftwareLabelId = 1031;
  static constexpr int kInformationLabelId = 1033;
  static constexpr int kHelpPanelId = 1035;
  static constexpr int kVersionListId = 1069;

  // The host, the two version texts (the engine's, empty until the device has
  // answered) must outlive the page. `startFirmwareUpdate` runs when "UpData"
  // is pressed while the link is open; it may be empty until the window wires it.
  CFirmware(ButtonHost& host, const std::string& softwareVersion, const std::string& connectVersion,
            std::function<void()> startFirmwareUpdate, QWidget* parent = nullptr);

  void SetFirmwareUpdateStarter(std::function<void()> start) { m_startFirmwareUpdate = std::move(start); }

  // Device, hardware and software texts from the engine's versions and the
  // LCD program mode; the software text stays as it was in LCD program mode.
  void RefreshDeviceInfo();
  // The background and labels for the attached target: "9.bmp" without the
  // SOFTWARE label in LCD program mode, "8.bmp" with all four otherwise.
  // False, with the previous picture kept, when the picture cannot be loaded.
  bool ApplyTargetLook();
  // The connect version reply has arrived: its field becomes usable and the
  // page redraws.
  void OnConnectVersionArrived();
  // The "UpData" button: starts the update only while the link is open.
  void PressUpdate();
  // The help of a label, as a click on it shows.
  void ShowHelpFor(int labelId);
  void ClearHelp();

  QLabel* Label(int labelId) const;
  QLineEdit* ValueEdit(int editId) const;
  CCownerDrawBton* UpdateButton() const { return m_updateButton; }
  QListWidget* VersionList() const { return m_versionList; }
  QPlainTextEdit* HelpPanel() const { return m_helpPanel; }
  const std::string& HelpText() const { return m_helpText; }
  const std::string& BackgroundFile() const { return m_backgroundFile; }
  bool HasBackground() const { return !m_background.isNull(); }
  QColor TextColor(int controlId) const;

 protected:
  // Sets the names, labels, help and picture again in the window's language.
  void Retranslate();
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLabels();
  void BuildValueEdits();
  void BuildVersionList();
  void SetHelpText(const std::string& text);
  void SetLabelSource(size_t label, const std::string& source);
  void SetLabelsShown(bool device, bool hardware, bool software, bool information);

  ButtonHost& m_host;
  const std::string& m_softwareVersion;
  const std::string& m_connectVersion;
  std::function<void()> m_startFirmwareUpdate;

  QPixmap m_background;
  std::string m_backgroundFile;
  // DEVICE, HARDWARE, SOFTWARE, INFORMATION: each value label with the name
  // printed before it.
  std::array<QLabel*, 4> m_labels{};
  std::array<QLabel*, 4> m_names{};
  // What each label shows, as its English source text (or a version).
  std::array<std::string, 4> m_labelSources{};
  std::array<QLineEdit*, 5> m_valueEdits{};
  QListWidget* m_versionList = nullptr;
  CCownerDrawBton* m_updateButton = nullptr;
  HelpTextPanel* m_helpPanel = nullptr;
  std::string m_helpText;
};

}  // namespace vuriru
