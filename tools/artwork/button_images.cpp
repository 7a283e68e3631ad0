// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/button_images.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include "curves/curve_mapping.h"
#include "tools/artwork/app_icon.h"
#include "tools/artwork/art_style.h"
#include "tools/artwork/button_icons.h"
#include "window/button_art.h"

namespace vuriru::art {
namespace {

// Normal buttons are dark tiles with light text; pressed and selected ones are
// filled with the accent colour and carry dark text.
void DrawTile(QPainter& painter, const QRectF& rect, bool pressed, const QColor& edge = kEdge) {
  painter.setPen(QPen(pressed ? kAccent.lighter(115) : edge, 1));
  painter.setBrush(pressed ? kAccent : kPanel);
  painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

// Apply and Default show one image pressed or not; an accent edge sets these
// commands apart from the page buttons beside them.
bool IsCommand(const QString& caption) {
  return caption == QLatin1String("Apply") || caption == QLatin1String("Default");
}

// Page and command buttons (66 x 74): a pictogram above the caption.
// The pictogram is chosen by the English caption; the words printed are the
// caption in the language being drawn.
void DrawSquareButton(QPainter& painter, const QRectF& rect, const QString& caption, const QString& shown,
                      bool pressed) {
  DrawTile(painter, rect, pressed, IsCommand(caption) ? kAccent : kEdge);
  QRectF icon(rect.center().x() - 14, rect.top() + 10, 28, 28);
  DrawButtonIcon(painter, icon, caption, pressed ? kGroundBottom : kAccent);
  painter.setFont(Font(10, true));
  painter.setPen(pressed ? kGroundBottom : kText);
  painter.drawText(QRectF(rect.left(), rect.bottom() - 28, rect.width(), 18), Qt::AlignCenter, shown);
}

void DrawWideButton(QPainter& painter, const QRectF& rect, const QString& caption, bool pressed) {
  DrawTile(painter, rect, pressed);
  painter.setFont(Font(10, true));
  painter.setPen(pressed ? kGroundBottom : kText);
  painter.drawText(rect, Qt::AlignCenter, caption);
}

// The narrow language buttons carry their caption turned on its side.
void DrawTallButton(QPainter& painter, const QRectF& rect, const QString& caption, bool pressed) {
  DrawTile(painter, rect, pressed);
  painter.save();
  painter.translate(rect.center());
  painter.rotate(-90);
  painter.setFont(Font(10, true));
  painter.setPen(pressed ? kGroundBottom : kText);
  painter.drawText(QRectF(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width()), Qt::AlignCenter,
                   caption);
  painter.restore();
}

// The link indicators (53 x 56): a tile with a symbol that reads without a
// caption (a chip for the controller, a screen for the RUZ Oviveru Ruv, the
// USB trident for the adapter), lit in the accent colour or grey when off.
// The V1 panel prints "ESC" and "USB" beside them; the main window shows
// them alone.
void DrawIndicator(QPainter& painter, const QRectF& rect, const QString& caption, ImageLook look) {
  painter.fillRect(rect, kGroundBottom);
  const bool lit = look != ImageLook::kIndicatorOff;
  const QRectF tile = rect.adjusted(2.5, 2.5, -2.5, -2.5);
  if (lit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 50));
    painter.drawRoundedRect(tile.adjusted(-2, -2, 2, 2), 8, 8);
  }
  painter.setPen(QPen(lit ? kAccent : kEdge, 1));
  painter.setBrush(kPanel);
  painter.drawRoundedRect(tile, 7, 7);
  const QString symbol = look == ImageLook::kIndicatorAlt ? QStringLiteral("LCD") : caption;
  const QRectF box(rect.center().x() - 16, rect.center().y() - 16, 32, 32);
  DrawButtonIcon(painter, box, symbol, lit ? kAccent : kMutedText.darker(140));
}

QImage ButtonImage(const ButtonImageInfo& info) {
  QImage image(info.width, info.height, QImage::Format_RGB32);
  image.fill(kGroundBottom);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QRectF rect = image.rect();
  QString caption = QString::fromStdString(info.caption);
  const QString shown = QCoreApplication::translate("Buttons", info.caption.c_str());
  bool pressed = info.look == ImageLook::kPressed;
  if (info.look == ImageLook::kNormal || pressed) {
    if (info.height > info.width * 2) {
      DrawTallButton(painter, rect, shown, pressed);
    } else if (info.width > info.height * 2) {
      DrawWideButton(painter, rect, shown, pressed);
    } else {
      DrawSquareButton(painter, rect, caption, shown, pressed);
    }
  } else {
    DrawIndicator(painter, rect, caption, info.look);
  }
  return image;
}

// The curve editors' plot: a dark grid with red lines where the axis labels
// stand, drawn through the editors' own mapping from grid units to pixels.
// The grid's 0..100 fills the left 300 of the plot's 309 columns and rows
// 22..240 of its 240; the margin beyond stays dark. Row 240, grid y 0, lies
// just below the plot, so the bottom line is drawn on the plot's last row.
QImage CurveGrid() {
  const int width = 470;
  const int height = 253;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(0x14, 0x16, 0x1a));
  QPainter painter(&image);
  CurveGridMapping mapping;
  mapping.plotWidth = CurveGridMapping::kEditorPlotWidth;
  const int lastRow = CurveGridMapping::kPlotHeight - 1;
  const int left = mapping.PlotXOfTenths(0);
  const int right = mapping.PlotXOfTenths(1000);
  const int top = mapping.GridToPlot({0, 100}).y;
  const QColor edge(0xc0, 0x30, 0x30);
  const QColor inner(0x6a, 0x22, 0x26);
  // Vertical lines every 12.5 units (the percent labels; the boost degrees
  // 0, 8, … 64 stand at the same places), horizontal ones every 25.
  for (int tenths = 0; tenths <= 1000; tenths += 125) {
    const int x = mapping.PlotXOfTenths(tenths);
    painter.setPen(QPen(tenths == 0 || tenths == 1000 ? edge : inner, 1));
    painter.drawLine(x, top, x, lastRow);
  }
  for (int y = 0; y <= 100; y += 25) {
    const int row = std::min(mapping.GridToPlot({0, y}).y, lastRow);
    painter.setPen(QPen(y == 0 || y == 100 ? edge : inner, 1));
    painter.drawLine(left, row, right, row);
  }
  return image;
}

bool SavePng(const QImage& image, const QString& dir, int imageId) {
  return image.save(QDir(dir).filePath(QStringLiteral("%1.png").arg(imageId)), "PNG");
}

}  // namespace

bool WriteButtonImages(const QString& dir, const QString& language, QStringList& files) {
  const QString into = language.isEmpty() ? dir : QDir(dir).filePath(language);
  if (!QDir().mkpath(into)) return false;
  const QString prefix = language.isEmpty() ? QString() : language + QLatin1Char('/');
  bool ok = true;
  std::vector<int> ids;
  for (const ButtonImageInfo& info : AllButtonImages()) {
    ok = SavePng(ButtonImage(info), into, info.imageId) && ok;
    ids.push_back(info.imageId);
  }
  // The grid and the icons print no words: one set serves every language.
  if (language.isEmpty()) {
    ok = SavePng(CurveGrid(), into, image_id::kCurveGrid) && ok;
    ids.push_back(image_id::kCurveGrid);
    ok = WriteAppIconImages(into, ids) && ok;
  }
  for (int id : ids) files.push_back(prefix + QStringLiteral("%1.png").arg(id));
  return ok;
}

bool WriteResourceList(const QString& dir, const QStringList& files) {
  QFile file(QDir(dir).filePath(QStringLiteral("images.qrc")));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/vuriru/images\">\n";
  for (const QString& name : files) out << "  <file>" << name << "</file>\n";
  out << "</qresource>\n</RCC>\n";
  out.flush();
  return out.status() == QTextStream::Ok;
}

}  // namespace vuriru::art
