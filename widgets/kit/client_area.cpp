#include "widgets/kit/client_area.h"

#include <QMenuBar>

namespace vuriru {

QPoint ClientOrigin(const QWidget& window) {
  const auto* menu = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  // The main window lays its children out below the menu bar's wanted height.
  return menu == nullptr ? QPoint(0, 0) : QPoint(0, menu->sizeHint().height());
}

}  // namespace vuriru
