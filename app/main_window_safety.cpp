// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the window from outside its buttons: Escape, closing, and
// device changes. Escape never ends the program and closing asks before
// anything is lost; the window controller decides both.

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/main_window.h"

namespace vuriru {

void CQorProDlg::keyPressEvent(QKeyEvent* event) {
  // The dialog's own Escape would end the program with every edit in it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    m_controller.OnEscape();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CQorProDlg::closeEvent(QCloseEvent* event) {
  if (!m_controller.ConfirmQuit()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CQorProDlg::OnDeviceChange(const DeviceChangeEvent& event) {
  // Handled on the next turn of the event loop: an adapter can vanish in the
  // middle of a write, and the link must not be closed under that write.
  m_scheduler.RunAfter(0, [alive = std::weak_ptr<bool>(m_alive), this, event] {
    if (!alive.lock()) return;
    m_hotplug.Handle(event);
    m_controller.UpdateCommandLooks();
  });
}

}  // namespace vuriru
