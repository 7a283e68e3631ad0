#include "tools/artwork/backgrounds.h"

#include <string>

#include <QDir>
#include <QImage>
#include <QPainterPath>

#include "app/dialog_units.h"
#include "pages/settings_pages.h"
#include "tools/artwork/art_style.h"

namespace vuriru::art {
namespace {

QRectF ToRect(const PixelRect& r) {
  return QRectF(r.x, r.y, r.width, r.height);
}

QImage NewPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kGroundBottom);
  return image;
}

bool Save(const QImage& image, const QString& dir, const char* fileName) {
  return image.save(QDir(dir).filePath(QString::fromLatin1(fileName)), "BMP");
}

// A thin accent rule with a title above it, at the top-left of a picture.
void DrawHeading(QPainter& painter, const QString& title, int left, int top) {
  painter.setFont(Font(12, true));
  painter.setPen(kText);
  painter.drawText(QPointF(left, top + 12), title.toUpper());
  painter.fillRect(QRectF(left, top + 17, 28, 2), kAccent);
}

// The frame the help panel's white text is drawn into.
void DrawHelpFrame(QPainter& painter, const PageTable& table) {
  QRectF frame =
      ToRect(DuRect(table.helpPanelPos.x, table.helpPanelPos.y, table.helpPanelSize.x, table.helpPanelSize.y))
          .adjusted(-6, -6, 6, 6);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(kPanel);
  painter.drawRoundedRect(frame, 6, 6);
  painter.fillRect(QRectF(frame.left() + 10, frame.top() - 1, 24, 2), kAccent);
  painter.setFont(Font(10, true));
  painter.setPen(kMutedText);
  painter.drawText(QPointF(frame.left() + 2, frame.top() - 6), QStringLiteral("HELP"));
}

// Each visible setting: its name, right-aligned before the value label, and a
// light slot under the label so that the label's dark text reads well.
void DrawSettingRows(QPainter& painter, const PageTable& table) {
  for (const PageSettingRow& row : table.rows) {
    if (!row.visible) continue;
    QRectF slot = ToRect(DuRect(row.labelPos.x, row.labelPos.y, table.labelSize.x, table.labelSize.y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSlot);
    painter.drawRoundedRect(slot.adjusted(-4, -2, 4, 2), 4, 4);
    painter.fillRect(QRectF(slot.left() - 4, slot.top() + 2, 3, slot.height() - 4), kAccent);

    QRectF name(DuX(8), slot.top() - 2, slot.left() - DuX(8) - 14, slot.height() + 4);
    painter.setFont(Font(11, true));
    painter.setPen(kText);
    painter.drawText(name, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(row.caption));
  }
}

QImage PagePicture(const PageTable& table) {
  QImage image = NewPicture(DuX(table.size.x), DuY(table.size.y));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  FillGround(painter, image.rect());
  DrawHeading(painter, QString::fromStdString(table.title), DuX(8), 2);
  DrawSettingRows(painter, table);
  DrawHelpFrame(painter, table);
  return image;
}

// A page whose table is not written yet: its title and the help frame only.
QImage PlainPagePicture(const QString& title, DialogPoint size) {
  PageTable table;
  table.title = title.toStdString();
  table.size = size;
  return PagePicture(table);
}

// The main window's backgrounds: the program's name large and faint, and a
// line that says what the window is showing.
QImage WindowPicture(const QString& subtitle) {
  QImage image = NewPicture(DuX(443), DuY(310));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  FillGround(painter, image.rect());
  QRectF band(0, image.height() - 150, image.width(), 150);
  painter.setFont(Font(34, true));
  painter.setPen(QColor(255, 255, 255, 28));
  painter.drawText(band.adjusted(24, 0, 0, -60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VURIRU USB LINK"));
  painter.fillRect(QRectF(26, band.top() + 92, 40, 3), kAccent);
  painter.setFont(Font(13));
  painter.setPen(kMutedText);
  painter.drawText(QPointF(26, band.top() + 118), subtitle);
  return image;
}

QImage PanelPicture(const QString& title, int width, int height) {
  QImage image = NewPicture(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  FillGround(painter, image.rect());
  DrawHeading(painter, title, 14, 6);
  return image;
}

// The curve editors' ground, stretched over the page each fills: plain, since
// the editor prints its own title.
QImage CurveEditorPicture() {
  QImage image = NewPicture(DuX(400), DuY(250));
  QPainter painter(&image);
  FillGround(painter, image.rect());
  return image;
}

// The Data page shows the running log in three value labels (80 x 8 dialog
// units, black text); the picture names each value beside its label.
QImage DataPagePicture() {
  PageTable table;
  table.title = "Data";
  table.size = {400, 240};
  table.labelSize = {80, 8};
  auto row = [](const char* caption, DialogPoint at) {
    PageSettingRow shown;
    shown.caption = caption;
    shown.labelPos = at;
    return shown;
  };
  table.rows = {row("BATT MIN VOLTAGE", {138, 17}), row("ESC MAX TEMP", {138, 52}), row("MOT MAX RPM", {138, 87})};
  return PagePicture(table);
}

const PageTable* TableFor(int pageNumber) {
  for (const PageTable* table : AllPageTables()) {
    if (table->pageNumber == pageNumber) return table;
  }
  return nullptr;
}

}  // namespace

bool WriteBackgrounds(const QString& dir) {
  struct PageFile {
    const char* file;
    int pageNumber;
    const char* title;
    DialogPoint size;
  };
  // Pages without a table yet get their title and sizes from here.
  const PageFile pages[] = {
      {"2.bmp", 2, "General", {400, 261}}, {"3.bmp", 3, "Throttle", {400, 253}}, {"4.bmp", 4, "Brake", {400, 250}},
      {"5.bmp", 5, "Boost", {400, 240}},   {"6.bmp", 6, "Turbo", {400, 250}},    {"8.bmp", 0, "Device", {400, 261}},
      {"9.bmp", 0, "Device", {400, 261}},
  };
  bool ok = Save(DataPagePicture(), dir, "7.bmp");
  for (const PageFile& page : pages) {
    const PageTable* table = TableFor(page.pageNumber);
    QImage image = table ? PagePicture(*table) : PlainPagePicture(QString::fromLatin1(page.title), page.size);
    ok = Save(image, dir, page.file) && ok;
  }
  ok = Save(WindowPicture(QStringLiteral("Connect the link adapter and a controller")), dir, "1.bmp") && ok;
  ok = Save(WindowPicture(QStringLiteral("Controller connected")), dir, "V3Menu.bmp") && ok;
  ok = Save(WindowPicture(QStringLiteral("V1 controller connected")), dir, "V1Menu.bmp") && ok;
  ok = Save(WindowPicture(QStringLiteral("V1 controller connected")), dir, "CnV1Menu.bmp") && ok;
  ok = Save(PanelPicture(QStringLiteral("V1 Settings"), 600, 420), dir, "V1.bmp") && ok;
  ok = Save(CurveEditorPicture(), dir, "LB.bmp") && ok;
  return ok;
}

}  // namespace vuriru::art
