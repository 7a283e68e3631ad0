// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the program's pictures: the bitmap files that lie beside the
// executable (page and window backgrounds), and the button images compiled
// into the program by image id.

#include <string>

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vuriru {

// The full path of a bitmap file: beside the running executable, or else in
// ../share/vuriru-link relative to it (where the package installs them), so
// that the pictures are found wherever the program is started from. Missing
// in both, the path beside the executable.
QString ArtworkPath(const std::string& fileName);

// The picture in that file, or a null pixmap when it is missing or unreadable.
QPixmap LoadArtwork(const std::string& fileName);

// A compiled-in image by its id (button images, the curve grid); null when
// there is no image with that id.
QPixmap ResourceImage(int imageId);

// The application's icon: the window icon, the About box's picture.
QIcon AppIcon();

}  // namespace vuriru
