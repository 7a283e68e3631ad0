// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/button_icons.h"

#include <array>
#include <cmath>
#include <numbers>

#include <QPainterPath>

#include "tools/artwork/art_style.h"

namespace vuriru::art {
namespace {

// Every pictogram is drawn on a 30 x 30 grid and scaled into its box.
constexpr double kGrid = 30.0;

QPen Stroke(const QColor& ink, double width = 2.0) {
  return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A chip with pins: the controller itself.
void Device(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(8, 8, 14, 14), 2, 2);
  for (double at : {11.0, 15.0, 19.0}) {
    p.drawLine(QPointF(at, 3), QPointF(at, 7));
    p.drawLine(QPointF(at, 23), QPointF(at, 27));
    p.drawLine(QPointF(3, at), QPointF(7, at));
    p.drawLine(QPointF(23, at), QPointF(27, at));
  }
}

// Three sliders at different settings.
void General(QPainter& p, const QColor& ink) {
  const std::array<double, 3> knobs = {19, 10, 16};
  for (size_t i = 0; i < knobs.size(); ++i) {
    double y = 7 + 8 * static_cast<double>(i);
    p.setPen(Stroke(ink));
    p.drawLine(QPointF(4, y), QPointF(26, y));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(knobs[i], y), 3.2, 3.2);
  }
}

// A gauge with its needle swung towards full throttle.
void Throttle(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(3, 5, 24, 24), 200 * 16, -220 * 16);
  p.drawLine(QPointF(15, 17), QPointF(22, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(15, 17), 2.5, 2.5);
}

// A brake disc with its calliper.
void Brake(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(14, 16), 10, 10);
  p.drawEllipse(QPointF(14, 16), 3, 3);
  p.setPen(Stroke(ink, 3.5));
  p.drawArc(QRectF(1, 3, 26, 26), 20 * 16, 60 * 16);
}

// An arrow climbing to the right.
void Boost(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  QPainterPath rise;
  rise.moveTo(4, 24);
  rise.lineTo(12, 16);
  rise.lineTo(17, 20);
  rise.lineTo(26, 8);
  p.drawPath(rise);
  QPainterPath head;
  head.moveTo(19, 8);
  head.lineTo(26, 8);
  head.lineTo(26, 15);
  p.drawPath(head);
}

// A lightning bolt.
void Turbo(QPainter& p, const QColor& ink) {
  QPainterPath bolt;
  bolt.moveTo(17, 3);
  bolt.lineTo(7, 17);
  bolt.lineTo(14, 17);
  bolt.lineTo(12, 27);
  bolt.lineTo(23, 12);
  bolt.lineTo(16, 12);
  bolt.closeSubpath();
  p.setPen(Stroke(ink, 1.5));
  p.setBrush(ink);
  p.drawPath(bolt);
}

// A bar chart: the running log.
void Data(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.drawLine(QPointF(4, 26), QPointF(26, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const std::array<double, 3> heights = {9, 17, 13};
  for (size_t i = 0; i < heights.size(); ++i) {
    double x = 6 + 7 * static_cast<double>(i);
    p.drawRoundedRect(QRectF(x, 23 - heights[i], 4.5, heights[i]), 1, 1);
  }
}

// A tick: store the settings.
void Apply(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink, 3));
  p.setBrush(Qt::NoBrush);
  QPainterPath tick;
  tick.moveTo(6, 16);
  tick.lineTo(12, 22);
  tick.lineTo(24, 8);
  p.drawPath(tick);
}

// A circular arrow turning back: the factory values. The arc runs counter-
// clockwise from 120 to 30 degrees, the head at its end points on along it.
void Default(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  const QPointF centre(15, 16);
  const double radius = 10;
  p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 120 * 16, 270 * 16);
  const double end = 30.0 * std::numbers::pi / 180.0;
  QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
  QPointF along(-std::sin(end), -std::cos(end));  // counter-clockwise on the screen
  auto wing = [&](double turn) {
    double c = std::cos(turn);
    double s = std::sin(turn);
    QPointF back(-(along.x() * c - along.y() * s), -(along.x() * s + along.y() * c));
    return tip + 6 * back;
  };
  QPainterPath head;
  head.moveTo(wing(0.6));
  head.lineTo(tip);
  head.lineTo(wing(-0.6));
  p.drawPath(head);
}

// The USB trident: a stem with an arrowhead, a round and a square branch.
void Usb(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(15, 25), QPointF(15, 7));
  QPainterPath left;
  left.moveTo(15, 20);
  left.lineTo(8.5, 15.5);
  left.lineTo(8.5, 12);
  p.drawPath(left);
  QPainterPath right;
  right.moveTo(15, 17.5);
  right.lineTo(21.5, 13.5);
  right.lineTo(21.5, 10.5);
  p.drawPath(right);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  QPainterPath head;
  head.moveTo(15, 2.5);
  head.lineTo(19, 8.5);
  head.lineTo(11, 8.5);
  head.closeSubpath();
  p.drawPath(head);
  p.drawEllipse(QPointF(15, 25.5), 3.2, 3.2);
  p.drawEllipse(QPointF(8.5, 10.5), 2.6, 2.6);
  p.drawRect(QRectF(19.2, 7, 4.6, 4.6));
}

// A display on its stand: the RUZ Oviveru Ruv.
void Screen(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(4, 5, 22, 15), 2, 2);
  p.drawLine(QPointF(15, 20), QPointF(15, 24));
  p.drawLine(QPointF(9, 25), QPointF(21, 25));
  p.setPen(Stroke(ink, 1.6));
  p.drawLine(QPointF(8, 10), QPointF(18, 10));
  p.drawLine(QPointF(8, 14.5), QPointF(14, 14.5));
}

}  // namespace

void DrawButtonIcon(QPainter& painter, const QRectF& box, const QString& caption, const QColor& ink) {
  using Draw = void (*)(QPainter&, const QColor&);
  struct Entry {
    const char* caption;
    Draw draw;
  };
  static constexpr std::array kIcons = {
      Entry{"Device", Device},   Entry{"General", General}, Entry{"Throttle", Throttle}, Entry{"Brake", Brake},
      Entry{"Boost", Boost},     Entry{"Turbo", Turbo},     Entry{"Data", Data},         Entry{"Apply", Apply},
      Entry{"Default", Default}, Entry{"ESC", Device},      Entry{"USB", Usb},           Entry{"LCD", Screen},
  };
  for (const Entry& entry : kIcons) {
    if (caption != QLatin1String(entry.caption)) continue;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    entry.draw(painter, ink);
    painter.restore();
    return;
  }
  painter.setFont(Font(14, true));
  painter.setPen(ink);
  painter.drawText(box, Qt::AlignCenter, caption.left(1));
}

}  // namespace vuriru::art
