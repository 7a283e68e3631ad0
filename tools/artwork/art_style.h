#pragma once
// The look every generated picture shares: a dark ground, one accent colour,
// DejaVu Sans type.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

namespace vuriru::art {

inline const QColor kGroundTop(0x20, 0x25, 0x2c);
inline const QColor kGroundBottom(0x12, 0x15, 0x19);
inline const QColor kPanel(0x29, 0x2f, 0x38);
inline const QColor kEdge(0x3d, 0x45, 0x51);
inline const QColor kText(0xe4, 0xe8, 0xec);
inline const QColor kMutedText(0x8b, 0x95, 0xa1);
inline const QColor kAccent(0xff, 0x8a, 0x1f);
inline const QColor kSlot(0xee, 0xf1, 0xf4);  // behind the black value texts

QFont Font(int pixelSize, bool bold = false);

// A vertical gradient from kGroundTop to kGroundBottom over the whole rect.
void FillGround(QPainter& painter, const QRectF& rect);

}  // namespace vuriru::art
