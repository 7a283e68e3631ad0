// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/widget_setup.h"

#include <QPalette>
#include <QWidget>

namespace vuriru {

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

QFont KitFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(KitFontFamilies());
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QStringList KitFontFamilies() {
  return {QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")};
}

QFont PageFont() {
  return KitFont(10);
}

HelpTextPanel::HelpTextPanel(int id, const PixelRect& place, QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("help%1").arg(id));
  setReadOnly(true);
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setGeometry(ToQRect(place));
  setStyleSheet(QStringLiteral("QPlainTextEdit { background: transparent; color: #ffffff; }"));
  viewport()->setAutoFillBackground(false);
}

void HelpTextPanel::ShowText(const std::string& text) {
  ShowText(QString::fromStdString(text));
}

void HelpTextPanel::ShowText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(shown);
  show();
  update();
}

void HelpTextPanel::Clear() {
  clear();
  hide();
}

}  // namespace vuriru
