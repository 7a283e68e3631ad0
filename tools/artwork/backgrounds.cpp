// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artwork/backgrounds.h"

#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainterPath>

#include "settings/settings_pages.h"
#include "settings/settings_table.h"
#include "tools/artwork/art_style.h"
#include "widgets/layout/dialog_units.h"
#include "widgets/layout/v1_panel_layout.h"

namespace vuriru::art {
namespace {

// A table's text (a caption, a page title) in the language being drawn: the
// translator installed now, or the English source when there is none.
QString SettingWord(const std::string& source) {
  return QCoreApplication::translate("Settings", source.c_str());
}

QString ArtWord(const char* source) {
  return QCoreApplication::translate("Artwork", source);
}

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
  painter.drawText(QPointF(frame.left() + 2, frame.top() - 6), ArtWord(QT_TRANSLATE_NOOP("Artwork", "HELP")));
}

// A value label and the name printed before it.
struct NamedSlot {
  std::string caption;
  DialogPoint labelPos;
};

// The visible settings of a page table, named as the settings table names them.
std::vector<NamedSlot> SlotsOf(const PageTable& table) {
  std::vector<NamedSlot> places;
  for (const PageSettingRow& row : table.rows) {
    if (row.visible) places.push_back({SettingRowFor(row.setting).caption, row.labelPos});
  }
  return places;
}

// Each slot: its name, right-aligned before the value label, and a light
// place under the label so that the label's dark text reads well.
void DrawSettingRows(QPainter& painter, const std::vector<NamedSlot>& places, DialogPoint labelSize) {
  for (const NamedSlot& shown : places) {
    QRectF slot = ToRect(DuRect(shown.labelPos.x, shown.labelPos.y, labelSize.x, labelSize.y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSlot);
    painter.drawRoundedRect(slot.adjusted(-4, -2, 4, 2), 4, 4);
    painter.fillRect(QRectF(slot.left() - 4, slot.top() + 2, 3, slot.height() - 4), kAccent);

    QRectF name(DuX(8), slot.top() - 2, slot.left() - DuX(8) - 14, slot.height() + 4);
    painter.setFont(Font(11, true));
    painter.setPen(kText);
    painter.drawText(name, Qt::AlignRight | Qt::AlignVCenter, SettingWord(shown.caption));
  }
}

QImage PagePicture(const PageTable& table, const std::vector<NamedSlot>& places) {
  QImage image = NewPicture(DuX(table.size.x), DuY(table.size.y));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  FillGround(painter, image.rect());
  DrawHeading(painter, SettingWord(table.title), DuX(8), 2);
  DrawSettingRows(painter, places, table.labelSize);
  DrawHelpFrame(painter, table);
  return image;
}

QImage PagePicture(const PageTable& table) {
  return PagePicture(table, SlotsOf(table));
}

// A page whose table is not written yet: its title and the help frame only.
QImage PlainPagePicture(const QString& title, DialogPoint size) {
  PageTable table;
  table.title = title.toStdString();
  table.size = size;
  return PagePicture(table);
}

// The main window's client area and the places on it that pages, buttons
// and indicators never cover: pages are 400 dialog units wide at 4 pixels
// from the left, so the strip right of them is free below the two link
// indicators, which end 206 pixels down.
constexpr int kWindowWidthDu = 443;
constexpr int kWindowHeightDu = 310;
constexpr QRect kFreeStrip(4 + DuX(400), 212, DuX(kWindowWidthDu) - 4 - DuX(400), DuY(kWindowHeightDu) - 212);
// Where a page is shown, below the button row.
constexpr QRect kPageArea(4, 78, DuX(400), DuY(kWindowHeightDu) - 78);

// The program's name, turned on its side in the free strip, so that no page
// hides any of it.
void DrawStripCaption(QPainter& painter) {
  painter.save();
  painter.translate(kFreeStrip.center().x(), kFreeStrip.bottom() - 8);
  painter.rotate(-90);
  painter.setFont(Font(17, true));
  QColor faint = kMutedText;
  faint.setAlpha(120);
  painter.setPen(faint);
  const QRectF line(0, -12, kFreeStrip.height() - 16, 24);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VURIRU USB LINK"));
  painter.restore();
}

// The window's background while a controller is at work: the ground and the
// caption; the pages and the button row cover the rest.
QImage WindowPicture() {
  QImage image = NewPicture(DuX(kWindowWidthDu), DuY(kWindowHeightDu));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  FillGround(painter, image.rect());
  DrawStripCaption(painter);
  return image;
}

// The start picture, shown until a page button is pressed: it asks for a
// page, whatever is attached, with an arrow up to the button row.
QImage StartPicture() {
  QImage image = WindowPicture();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF tip(kPageArea.center().x(), kPageArea.top() + 60);
  painter.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(tip, tip + QPointF(0, 70));
  QPainterPath head;
  head.moveTo(tip + QPointF(-12, 12));
  head.lineTo(tip);
  head.lineTo(tip + QPointF(12, 12));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(head);
  painter.setFont(Font(20, true));
  painter.setPen(kText);
  painter.drawText(QRectF(kPageArea.left(), tip.y() + 84, kPageArea.width(), 30), Qt::AlignCenter,
                   ArtWord(QT_TRANSLATE_NOOP("Artwork", "Choose a page")));
  return image;
}

// The V1 panels' picture, the size of the window's client area: a rule under
// the header, a panel behind the settings, the ground elsewhere. The title,
// the labels and the indicators are the panel's own widgets.
QImage V1PanelPicture() {
  using namespace v1_layout;
  QImage image = NewPicture(kWidth, kHeight);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  FillGround(painter, image.rect());
  painter.fillRect(QRectF(kMargin, kTitle.y + kTitle.height + 2, 28, 2), kAccent);
  painter.fillRect(QRectF(kMargin, kHeaderRule, kWidth - 2 * kMargin, 1), kEdge);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(kPanel);
  painter.drawRoundedRect(ToRect(kGridPanel).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
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
  table.title = QT_TRANSLATE_NOOP("Settings", "Data");
  table.size = {400, 240};
  table.labelSize = {80, 8};
  const auto slot = [](RunningLog value, DialogPoint at) { return NamedSlot{RunningLogRowFor(value).caption, at}; };
  const std::vector<NamedSlot> places = {slot(RunningLog::BatteryMinVoltage, {138, 17}),
                                         slot(RunningLog::EscMaxTemp, {138, 52}),
                                         slot(RunningLog::MotorMaxRpm, {138, 87})};
  return PagePicture(table, places);
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
      {"2.bmp", 2, "General", {400, 261}},
      {"3.bmp", 3, "Throttle", {400, 253}},
      {"4.bmp", 4, "Brake", {400, 250}},
      {"5.bmp", 5, "Boost", {400, 240}},
      {"6.bmp", 6, "Turbo", {400, 250}},
      {"8.bmp", 0, QT_TRANSLATE_NOOP("Settings", "Device"), {400, 261}},
      {"9.bmp", 0, QT_TRANSLATE_NOOP("Settings", "Device"), {400, 261}},
  };
  bool ok = Save(DataPagePicture(), dir, "7.bmp");
  for (const PageFile& page : pages) {
    const PageTable* table = TableFor(page.pageNumber);
    QImage image = table ? PagePicture(*table) : PlainPagePicture(QString::fromLatin1(page.title), page.size);
    ok = Save(image, dir, page.file) && ok;
  }
  ok = Save(StartPicture(), dir, "1.bmp") && ok;
  ok = Save(WindowPicture(), dir, "V3Menu.bmp") && ok;
  // The V1 panels fill the window's client area: under them, and as their
  // own background, the V1 pictures are the panel's.
  const QImage v1 = V1PanelPicture();
  ok = Save(v1, dir, "V1.bmp") && ok;
  ok = Save(v1, dir, "V1Menu.bmp") && ok;
  ok = Save(v1, dir, "CnV1Menu.bmp") && ok;
  ok = Save(CurveEditorPicture(), dir, "LB.bmp") && ok;
  return ok;
}

}  // namespace vuriru::art
