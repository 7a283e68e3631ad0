// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/art_style.h"

#include <QLinearGradient>

namespace vuriru::art {

QFont Font(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

void FillGround(QPainter& painter, const QRectF& rect) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, kGroundTop);
  gradient.setColorAt(1, kGroundBottom);
  painter.fillRect(rect, gradient);
}

}  // namespace vuriru::art
