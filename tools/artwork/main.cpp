// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures at build time, so that no binary art lives in
// the repository and the pictures always match the page layouts.
//   vuriru-artwork backgrounds DIR [QM...]
//                                    page and window backgrounds (*.bmp), and the
//                                    application icon for the desktop (vuriru-link.svg)
//   vuriru-artwork images DIR [QM...]
//                                    button images and their resource file
// The backgrounds and the button images print words: they are drawn in
// English into DIR, and once more for each translation QM (a file named
// vuriru_<language>.qm) into DIR/<language>.
//   vuriru-artwork icons DIR         the icon theme's files for the package
//                                    (DIR/hicolor/NxN/apps/vuriru-link.png, ...)

#include <cstdio>
#include <cstring>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTranslator>

#include "tools/artwork/app_icon.h"
#include "tools/artwork/backgrounds.h"
#include "tools/artwork/button_images.h"

namespace {

// "zh_CN" for ".../vuriru_zh_CN.qm".
QString LanguageOfTranslation(const QString& qmPath) {
  QString name = QFileInfo(qmPath).completeBaseName();
  const qsizetype underscore = name.indexOf(QLatin1Char('_'));
  return underscore < 0 ? name : name.mid(underscore + 1);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const bool known = argc >= 3 && (std::strcmp(argv[1], "backgrounds") == 0 || std::strcmp(argv[1], "images") == 0 ||
                                   (std::strcmp(argv[1], "icons") == 0 && argc == 3));
  if (!known) {
    std::fprintf(stderr, "usage: vuriru-artwork backgrounds|images DIR [QM...] | icons DIR\n");
    return 2;
  }
  QString dir = QString::fromLocal8Bit(argv[2]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "vuriru-artwork: cannot create %s\n", argv[2]);
    return 1;
  }
  bool written = false;
  QStringList images;
  if (std::strcmp(argv[1], "backgrounds") == 0) {
    written = vuriru::art::WriteBackgrounds(dir);
    written = vuriru::art::WriteAppIconSvg(QDir(dir).filePath(QStringLiteral("vuriru-link.svg"))) && written;
  } else if (std::strcmp(argv[1], "icons") == 0) {
    written = vuriru::art::WriteHicolorIcons(QDir(dir).filePath(QStringLiteral("hicolor")));
  } else {
    written = vuriru::art::WriteButtonImages(dir, QString(), images);
  }
  // The same pictures in each translation's words.
  for (int i = 3; i < argc && written; ++i) {
    const QString qm = QString::fromLocal8Bit(argv[i]);
    QTranslator translator;
    if (!translator.load(qm)) {
      std::fprintf(stderr, "vuriru-artwork: cannot load the translation %s\n", argv[i]);
      return 1;
    }
    QCoreApplication::installTranslator(&translator);
    const QString language = LanguageOfTranslation(qm);
    if (std::strcmp(argv[1], "backgrounds") == 0) {
      const QString into = QDir(dir).filePath(language);
      written = QDir().mkpath(into) && vuriru::art::WriteBackgrounds(into);
    } else {
      written = vuriru::art::WriteButtonImages(dir, language, images);
    }
    QCoreApplication::removeTranslator(&translator);
  }
  if (written && std::strcmp(argv[1], "images") == 0) written = vuriru::art::WriteResourceList(dir, images);
  if (!written) {
    std::fprintf(stderr, "vuriru-artwork: cannot write the pictures into %s\n", argv[2]);
    return 1;
  }
  return 0;
}
