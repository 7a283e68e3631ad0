// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look every generated picture shares: a dark ground, one accent colour,
// DejaVu Sans type.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

#include "widgets/layout/theme_colours.h"

namespace vuriru::art {

inline const QColor kGroundTop{theme::kGroundTop};
inline const QColor kGroundBottom{theme::kGroundBottom};
inline const QColor kPanel{theme::kPanel};
inline const QColor kEdge{theme::kEdge};
inline const QColor kText{theme::kText};
inline const QColor kMutedText{theme::kMutedText};
inline const QColor kAccent{theme::kAccent};
inline const QColor kSlot{theme::kSlot};  // behind the black value texts

QFont Font(int pixelSize, bool bold = false);

// A vertical gradient from kGroundTop to kGroundBottom over the whole rect.
void FillGround(QPainter& painter, const QRectF& rect);

}  // namespace vuriru::art
