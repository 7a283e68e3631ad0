#pragma once
// The small window that shows the progress of a transaction with the
// controller (reading or sending settings and curves, firmware transfers).
// The main window creates the program's single instance hidden; the engine
// sets its caption and position, shows it and hides it.

#include <cstdint>

#include <QDialog>
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
  QString Caption() const { return windowTitle(); }

  // Shows the dialog with this progress, over the parent's page area.
  void ShowProgress(uint32_t range, uint32_t position);
  // Hides it; the object stays for the next transaction.
  void HideProgress();

  int ShownPercent() const;

 protected:
  // The dialog takes no input: Escape and the window's close do not hide it
  // while a transaction runs.
  void reject() override {}
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlaceOverParent();

  QProgressBar* m_bar;
};

}  // namespace vuriru
