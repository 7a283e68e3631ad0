// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application icon: a dark tile with the accent gauge of the Throttle
// button, swung to full. Drawn once and written as PNG pictures for the
// program and as SVG for the desktop.

#include <vector>

#include <QPainter>
#include <QString>

namespace vuriru::art {

// Draws the icon into a square of `size` pixels at the painter's origin.
void DrawAppIcon(QPainter& painter, double size);

// Writes "<id>.png" for every icon size into `dir` and adds the ids to `ids`.
bool WriteAppIconImages(const QString& dir, std::vector<int>& ids);

// Writes the icon as a scalable picture to `path`.
bool WriteAppIconSvg(const QString& path);

// Writes the icon theme's files for the desktop under `dir`, laid out as in
// /usr/share/icons/hicolor: scalable/apps/vuriru-link.svg and
// NxN/apps/vuriru-link.png for the usual sizes from 16 to 512.
bool WriteHicolorIcons(const QString& dir);

}  // namespace vuriru::art
