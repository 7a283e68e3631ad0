// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictograms of the page and command buttons, so that each button can be
// told from the others at a glance (several captions share an initial).

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace vuriru::art {

// Draws the pictogram for a button caption ("General", "Brake", …) into box,
// in ink. A caption without a pictogram gets its initial.
void DrawButtonIcon(QPainter& painter, const QRectF& box, const QString& caption, const QColor& ink);

}  // namespace vuriru::art
