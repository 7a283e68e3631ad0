#include "widgets/kit/artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmapCache>

#include "window/button_art.h"

// The resource is compiled into this static library; initialising it by name
// keeps the linker from dropping it.
static void InitImageResource() {
  Q_INIT_RESOURCE(vuriru_images);
}

namespace vuriru {

QString ArtworkPath(const std::string& fileName) {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(fileName));
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
