// Draws the program's pictures at build time, so that no binary art lives in
// the repository and the pictures always match the page layouts.
//   vuriru-artwork backgrounds DIR   page and window backgrounds (*.bmp), and the
//                                    application icon for the desktop (vuriru-link.svg)
//   vuriru-artwork images DIR        button images and their resource file
//   vuriru-artwork icons DIR         the icon theme's files for the package
//                                    (DIR/hicolor/NxN/apps/vuriru-link.png, ...)

#include <cstdio>
#include <cstring>

#include <QDir>
#include <QGuiApplication>

#include "tools/artwork/app_icon.h"
#include "tools/artwork/backgrounds.h"
#include "tools/artwork/button_images.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3 || (std::strcmp(argv[1], "backgrounds") != 0 && std::strcmp(argv[1], "images") != 0 &&
                    std::strcmp(argv[1], "icons") != 0)) {
    std::fprintf(stderr, "usage: vuriru-artwork backgrounds|images|icons DIR\n");
    return 2;
  }
  QString dir = QString::fromLocal8Bit(argv[2]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "vuriru-artwork: cannot create %s\n", argv[2]);
    return 1;
  }
  bool written = false;
  if (std::strcmp(argv[1], "backgrounds") == 0) {
    written = vuriru::art::WriteBackgrounds(dir);
    written = vuriru::art::WriteAppIconSvg(QDir(dir).filePath(QStringLiteral("vuriru-link.svg"))) && written;
  } else if (std::strcmp(argv[1], "icons") == 0) {
    written = vuriru::art::WriteHicolorIcons(QDir(dir).filePath(QStringLiteral("hicolor")));
  } else {
    written = vuriru::art::WriteButtonImages(dir);
  }
  if (!written) {
    std::fprintf(stderr, "vuriru-artwork: cannot write the pictures into %s\n", argv[2]);
    return 1;
  }
  return 0;
}
