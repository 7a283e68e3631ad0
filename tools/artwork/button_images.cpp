#include "tools/artwork/button_images.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include "app/button_art.h"
#include "tools/artwork/app_icon.h"
#include "tools/artwork/art_style.h"
#include "tools/artwork/button_icons.h"

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
void DrawSquareButton(QPainter& painter, const QRectF& rect, const QString& caption, bool pressed) {
  DrawTile(painter, rect, pressed, IsCommand(caption) ? kAccent : kEdge);
  QRectF icon(rect.center().x() - 14, rect.top() + 10, 28, 28);
  DrawButtonIcon(painter, icon, caption, pressed ? kGroundBottom : kAccent);
  painter.setFont(Font(10, true));
  painter.setPen(pressed ? kGroundBottom : kText);
  painter.drawText(QRectF(rect.left(), rect.bottom() - 28, rect.width(), 18), Qt::AlignCenter, caption);
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

// The link indicators (53 x 56): a lamp over the caption, lit in the accent
// colour, ringed for the alternative target, grey when off.
void DrawIndicator(QPainter& painter, const QRectF& rect, const QString& caption, ImageLook look) {
  painter.fillRect(rect, kGroundBottom);
  QRectF lamp(rect.center().x() - 13, rect.top() + 5, 26, 26);
  if (look == ImageLook::kIndicatorOn) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 60));
    painter.drawEllipse(lamp.adjusted(-4, -4, 4, 4));
    painter.setBrush(kAccent);
    painter.drawEllipse(lamp);
  } else if (look == ImageLook::kIndicatorAlt) {
    painter.setPen(QPen(kAccent, 3));
    painter.setBrush(kPanel);
    painter.drawEllipse(lamp.adjusted(1.5, 1.5, -1.5, -1.5));
  } else {
    painter.setPen(QPen(kEdge, 2));
    painter.setBrush(kPanel);
    painter.drawEllipse(lamp.adjusted(1, 1, -1, -1));
  }
  painter.setFont(Font(11, true));
  painter.setPen(look == ImageLook::kIndicatorOff ? kMutedText : kText);
  painter.drawText(QRectF(rect.left(), rect.bottom() - 20, rect.width(), 18), Qt::AlignCenter, caption);
}

QImage ButtonImage(const ButtonImageInfo& info) {
  QImage image(info.width, info.height, QImage::Format_RGB32);
  image.fill(kGroundBottom);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QRectF rect = image.rect();
  QString caption = QString::fromStdString(info.caption);
  bool pressed = info.look == ImageLook::kPressed;
  if (info.look == ImageLook::kNormal || pressed) {
    if (info.height > info.width * 2) {
      DrawTallButton(painter, rect, caption, pressed);
    } else if (info.width > info.height * 2) {
      DrawWideButton(painter, rect, caption, pressed);
    } else {
      DrawSquareButton(painter, rect, caption, pressed);
    }
  } else {
    DrawIndicator(painter, rect, caption, info.look);
  }
  return image;
}

// The curve editors' plot: a dark grid, ten by ten, with red lines.
QImage CurveGrid() {
  const int width = 470;
  const int height = 253;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(0x14, 0x16, 0x1a));
  QPainter painter(&image);
  for (int i = 0; i <= 10; ++i) {
    QColor line = (i == 0 || i == 10) ? QColor(0xc0, 0x30, 0x30) : QColor(0x6a, 0x22, 0x26);
    painter.setPen(QPen(line, 1));
    int x = i * (width - 1) / 10;
    int y = i * (height - 1) / 10;
    painter.drawLine(x, 0, x, height - 1);
    painter.drawLine(0, y, width - 1, y);
  }
  return image;
}

bool SavePng(const QImage& image, const QString& dir, int imageId) {
  return image.save(QDir(dir).filePath(QStringLiteral("%1.png").arg(imageId)), "PNG");
}

bool WriteResourceList(const QString& dir, const std::vector<int>& imageIds) {
  QFile file(QDir(dir).filePath(QStringLiteral("images.qrc")));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/vuriru/images\">\n";
  for (int id : imageIds) out << "  <file>" << id << ".png</file>\n";
  out << "</qresource>\n</RCC>\n";
  out.flush();
  return out.status() == QTextStream::Ok;
}

}  // namespace

bool WriteButtonImages(const QString& dir) {
  bool ok = true;
  std::vector<int> ids;
  for (const ButtonImageInfo& info : AllButtonImages()) {
    ok = SavePng(ButtonImage(info), dir, info.imageId) && ok;
    ids.push_back(info.imageId);
  }
  ok = SavePng(CurveGrid(), dir, image_id::kCurveGrid) && ok;
  ids.push_back(image_id::kCurveGrid);
  ok = WriteAppIconImages(dir, ids) && ok;
  return WriteResourceList(dir, ids) && ok;
}

}  // namespace vuriru::art
