// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small set-up steps that the pages, the curve editors and the V1 panels
// share: dialog-unit rectangles as Qt rectangles, a widget's text colour, the
// one type face of the window, and the read-only help panel that explains the
// control last clicked.

#include <string>

#include <QColor>
#include <QFont>
#include <QPlainTextEdit>
#include <QRect>
#include <QStringList>

#include "widgets/layout/dialog_units.h"

class QWidget;

namespace vuriru {

inline QRect ToQRect(const PixelRect& r) {
  return QRect(r.x, r.y, r.width, r.height);
}

// Sets the colour of a label's text and of an edit's text alike.
void SetTextColour(QWidget* widget, const QColor& colour);

// DejaVu Sans, which every machine the program runs on has, at `pixelSize`;
// the Chinese characters, which it lacks, come from WenQuanYi Micro Hei
// (both are dependencies of the package).
QFont KitFont(int pixelSize, bool bold = false);
QStringList KitFontFamilies();

// Value labels, lists and help share one face on every page. DejaVu Sans at
// 10 pixels fits the longest option ("Forward/Brake/Reverse") into a value
// label and every help text into the panel without scrolling; its 11-pixel
// line fits the lists' 12-pixel rows whole.
QFont PageFont();

// The help panel of a page: white text drawn straight onto the picture's help
// frame, no frame and no scroll bars of its own (every help text fits it),
// named "help<id>" and placed at `place`.
class HelpTextPanel : public QPlainTextEdit {
 public:
  HelpTextPanel(int id, const PixelRect& place, QWidget* parent);

  // Shows `text`, whose CR LF line breaks become plain line feeds.
  void ShowText(const std::string& text);
  void ShowText(const QString& text);
  void ShowText(const char* text) { ShowText(std::string(text)); }
  // Empties and hides the panel.
  void Clear();
};

}  // namespace vuriru
