// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the application icon, the version line, the owner line and
// an OK button, opened modally from the File menu.

#include <QDialog>

class QLabel;
class QPushButton;

namespace vuriru {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  // English source texts; the box shows them in the window's language.
  static constexpr const char* kCaption = QT_TRANSLATE_NOOP("Messages", "About Calvex");
  static constexpr const char* kVersionText = QT_TRANSLATE_NOOP("Messages", " Version 1.0");
  static constexpr const char* kOwnerText = QT_TRANSLATE_NOOP("Messages", "Vuriru USB Link contributors");

  explicit CAboutDlg(QWidget* parent = nullptr);

  QLabel* IconLabel() const { return m_icon; }
  QLabel* VersionLabel() const { return m_version; }
  QLabel* OwnerLabel() const { return m_owner; }
  QPushButton* OkButton() const { return m_ok; }

 private:
  QLabel* m_icon;
  QLabel* m_version;
  QLabel* m_owner;
  QPushButton* m_ok;
};

}  // namespace vuriru
