// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/app_theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include "widgets/layout/theme_colours.h"

namespace vuriru {
namespace {

QPalette DarkPalette() {
  const QColor ground(theme::kGroundTop);
  const QColor deep(theme::kGroundBottom);
  const QColor panel(theme::kPanel);
  const QColor edge(theme::kEdge);
  const QColor text(theme::kText);
  const QColor muted(theme::kMutedText);
  const QColor accent(theme::kAccent);

  QPalette palette;
  palette.setColor(QPalette::Window, ground);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, deep);
  palette.setColor(QPalette::AlternateBase, panel);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::PlaceholderText, muted);
  palette.setColor(QPalette::Button, panel);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, accent);
  palette.setColor(QPalette::Highlight, accent);
  palette.setColor(QPalette::HighlightedText, deep);
  palette.setColor(QPalette::Link, accent);
  palette.setColor(QPalette::LinkVisited, accent.darker(120));
  palette.setColor(QPalette::ToolTipBase, panel);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::Light, edge.lighter(130));
  palette.setColor(QPalette::Midlight, edge);
  palette.setColor(QPalette::Mid, edge);
  palette.setColor(QPalette::Dark, deep);
  palette.setColor(QPalette::Shadow, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, muted.darker(130));
  }
  palette.setColor(QPalette::Disabled, QPalette::Highlight, edge);
  palette.setColor(QPalette::Disabled, QPalette::HighlightedText, muted);
  return palette;
}

}  // namespace

void ApplyAppTheme() {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
  QApplication::setPalette(DarkPalette());
}

}  // namespace vuriru
