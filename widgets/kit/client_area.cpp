// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/client_area.h"

#include <algorithm>

#include <QMenuBar>

namespace vuriru {

QPoint ClientOrigin(const QWidget& window) {
  const auto* menu = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
  // The main window lays its children out below the menu bar's wanted height,
  // or the height it fixed for the bar (one for every language).
  return menu == nullptr ? QPoint(0, 0) : QPoint(0, std::max(menu->sizeHint().height(), menu->minimumHeight()));
}

}  // namespace vuriru
