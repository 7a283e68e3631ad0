// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client area of a window that carries its menu bar as a child widget,
// as the main window does: children placed "in the client area" start below
// the menu bar.

#include <QPoint>

class QWidget;

namespace vuriru {

// The top-left of `window`'s client area in its own coordinates: below its
// menu bar when it has one, else (0, 0).
QPoint ClientOrigin(const QWidget& window);

}  // namespace vuriru
