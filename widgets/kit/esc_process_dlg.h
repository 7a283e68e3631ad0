// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small window that shows the progress of a transaction with the
// controller (reading or sending settings and curves, firmware transfers).
// The main window creates the program's single instance hidden, as its
// child: it lies inside the window's client area and moves with it. A child
// has no title bar, so the dialog draws its caption above the bar itself.

#include <cstdint>

#include <QDialog>
#include <QRect>
#include <QString>

class QProgressBar;

namespace vuriru {

class CEscProcessDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kProgressBarId = 1163;

  explicit CEscProcessDlg(QWidget* parent = nullptr);

  // The bar shows position x 100 / range percent (integer division); more than
  // 100 % shows a full bar, and an empty range shows an empty one.
  void SetProgress(uint32_t range, uint32_t position);
  static int ProgressPercent(uint32_t range, uint32_t position);

  // The caption, as the engine words it ("Read From Esc Process......", …).
  void SetCaption(const QString& caption);
  QString Caption() const { return m_caption; }

  // Shows the dialog with this progress, at its place in the parent's page area.
  void ShowProgress(uint32_t range, uint32_t position);
  // Hides it; the object stays for the next transaction.
  void HideProgress();

  int ShownPercent() const;

  // Where the dialog lies in its parent's client area (below a menu bar, if
  // the parent has one): 540 x 70 pixels at (150, 210) on a window of two
  // pixels per dialog unit, scaled to this program's dialog units.
  static QRect PlaceInClientArea();
  // Where the caption is drawn, in the dialog's own pixels.
  QRect CaptionRect() const;

 protected:
  // The dialog takes no input: Escape and the window's close do not hide it
  // while a transaction runs.
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void PlaceInParent();

  QString m_caption;
  QProgressBar* m_bar;
};

}  // namespace vuriru
