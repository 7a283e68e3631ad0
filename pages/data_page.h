// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Data page: the running log a full-featured controller keeps (lowest
// battery voltage, highest ESC and motor temperatures, highest motor rpm).
// Read-only: no option lists, no part in Apply or Default. Until the first
// FormatRunningLog the labels show their captions; the motor temperature is
// kept and exported but its label is never shown.

#include <array>
#include <string>

#include <QPixmap>
#include <QWidget>

#include "settings/settings_block.h"
#include "widgets/kit/widget_setup.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vuriru {

class CData : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHelpPanelId = 1194;
  static constexpr int kFirstValueLabelId = 1056;
  static constexpr int kLastValueBoxId = 1063;

  // The block must outlive the page.
  explicit CData(const SettingsBlock& block, QWidget* parent = nullptr);

  // Formats the four running-log values into the labels and value boxes.
  void FormatRunningLog();
  // Shows a value's help text, as a click on its label or focus on its box does.
  void ShowHelpFor(RunningLog value);
  // The main window empties the help text and hides the panel on a page switch.
  void ClearHelp();

  QLabel* ValueLabel(RunningLog value) const { return m_controls.at(Index(value)).label; }
  QLineEdit* ValueBox(RunningLog value) const { return m_controls.at(Index(value)).box; }
  QPlainTextEdit* HelpPanel() const { return m_helpPanel; }
  QPushButton* HistoryButton() const { return m_historyButton; }
  const std::string& HelpText() const { return m_helpText; }
  bool HasBackground() const { return !m_background.isNull(); }
  // Black for the value labels and boxes (1056 to 1063), white for the rest.
  QColor TextColor(int controlId) const;

 signals:
  // The "History" button: the running log over the runs kept so far.
  void historyRequested();

 protected:
  // Sets the shown texts and the picture again in the window's language.
  void Retranslate();
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ValueControls {
    QLabel* label = nullptr;
    QLineEdit* box = nullptr;
  };
  static size_t Index(RunningLog value) { return static_cast<size_t>(value); }
  void BuildValue(RunningLog value);

  const SettingsBlock& m_block;
  QPixmap m_background;
  std::array<ValueControls, kRunningLogCount> m_controls{};
  HelpTextPanel* m_helpPanel;
  QPushButton* m_historyButton;
  std::string m_helpText;
  bool m_logFormatted = false;
};

}  // namespace vuriru
