// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/app_icon.h"

#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QSvgGenerator>

#include "tools/artwork/art_style.h"
#include "window/button_art.h"

namespace vuriru::art {
namespace {

// The icon is drawn on a 64 x 64 grid and scaled to its size.
constexpr double kGrid = 64.0;

}  // namespace

void DrawAppIcon(QPainter& painter, double size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);

  // The tile: the pictures' dark ground with a light edge.
  const QRectF tile(2, 2, 60, 60);
  QLinearGradient ground(tile.topLeft(), tile.bottomLeft());
  ground.setColorAt(0, kPanel);
  ground.setColorAt(1, kGroundBottom);
  painter.setPen(QPen(kEdge, 2));
  painter.setBrush(ground);
  painter.drawRoundedRect(tile, 13, 13);

  // The gauge: an accent arc over 240 degrees, ticks at its ends and top,
  // and the needle swung towards full.
  const QPointF centre(32, 35);
  const double radius = 19;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kAccent, 6, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 210 * 16, -240 * 16);
  painter.setPen(QPen(kText, 5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, QPointF(45, 22));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kText);
  painter.drawEllipse(centre, 5, 5);
  painter.setBrush(kGroundBottom);
  painter.drawEllipse(centre, 2, 2);
  painter.restore();
}

bool WriteAppIconImages(const QString& dir, std::vector<int>& ids) {
  bool ok = true;
  for (int size : kAppIconSizes) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawAppIcon(painter, size);
    painter.end();
    const int id = AppIconImageId(size);
    ok = image.save(QDir(dir).filePath(QStringLiteral("%1.png").arg(id)), "PNG") && ok;
    ids.push_back(id);
  }
  return ok;
}

bool WriteHicolorIcons(const QString& dir) {
  bool ok = WriteAppIconSvg(QDir(dir).filePath(QStringLiteral("scalable/apps/vuriru-link.svg")));
  for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawAppIcon(painter, size);
    painter.end();
    const QString file = QStringLiteral("%1x%1/apps/vuriru-link.png").arg(size);
    ok = QDir(dir).mkpath(QFileInfo(QDir(dir).filePath(file)).path()) && ok;
    ok = image.save(QDir(dir).filePath(file), "PNG") && ok;
  }
  return ok;
}

bool WriteAppIconSvg(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(static_cast<int>(kGrid), static_cast<int>(kGrid)));
  svg.setViewBox(QRectF(0, 0, kGrid, kGrid));
  svg.setTitle(QStringLiteral("Vuriru USB Link"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  DrawAppIcon(painter, kGrid);
  return painter.end();
}

}  // namespace vuriru::art
