#include "widgets/kit/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmapCache>

#include "common/program_files.h"
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
  if (!fileName.empty()) picture.load(ArtworkPath(fileName));
  return picture;
}

QPixmap ResourceImage(int imageId) {
  static const bool initialised = (InitImageResource(), true);
  (void)initialised;
  QString key = QStringLiteral(":/vuriru/images/%1.png").arg(imageId);
  QPixmap image;
  if (!QPixmapCache::find(key, &image) && image.load(key)) QPixmapCache::insert(key, image);
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
