// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/kit/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmapCache>

#include "common/program_files.h"
#include "widgets/kit/language.h"
#include "window/button_art.h"

// The resource is compiled into this static library; initialising it by name
// keeps the linker from dropping it.
static void InitImageResource() {
  Q_INIT_RESOURCE(vuriru_images);
}

namespace vuriru {

QString ArtworkPath(const std::string& fileName) {
  const QString exeFolder = QCoreApplication::applicationDirPath();
  const std::filesystem::path found = FindArtworkFile(QFile::encodeName(exeFolder).toStdString(), fileName);
  if (!found.empty()) return QFile::decodeName(QByteArray::fromStdString(found.string()));
  // Missing everywhere: the path beside the program, for the message that names it.
  return QDir(exeFolder).filePath(QString::fromStdString(fileName));
}

QPixmap LoadArtwork(const std::string& fileName) {
  QPixmap picture;
  if (fileName.empty()) return picture;
  // The pictures that print words are drawn once per language, in a folder
  // named after it; a picture missing there is taken from the English set.
  const QString folder = ArtworkFolder(CurrentLanguage());
  if (!folder.isEmpty() && picture.load(ArtworkPath(folder.toStdString() + "/" + fileName))) return picture;
  picture.load(ArtworkPath(fileName));
  return picture;
}

QPixmap ResourceImage(int imageId) {
  static const bool initialised = (InitImageResource(), true);
  (void)initialised;
  QPixmap image;
  // The button images print words: the language's own first, else English.
  const QString folder = ArtworkFolder(CurrentLanguage());
  for (const QString& key :
       {folder.isEmpty() ? QString() : QStringLiteral(":/vuriru/images/%1/%2.png").arg(folder).arg(imageId),
        QStringLiteral(":/vuriru/images/%1.png").arg(imageId)}) {
    if (key.isEmpty()) continue;
    if (QPixmapCache::find(key, &image)) return image;
    if (image.load(key)) {
      QPixmapCache::insert(key, image);
      return image;
    }
  }
  return image;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : kAppIconSizes) {
    QPixmap picture = ResourceImage(AppIconImageId(size));
    if (!picture.isNull()) icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace vuriru
