#include "driver/display/IconProvider.h"

#include "driver/core/ProgramIconNames.h"
#include "platform/system/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QUrl>

namespace {

// Larger than any icon file; a bigger "icon" is not read.
const qint64 kLargestIconFile = 4 * 1024 * 1024;

// QML hands the id over as it stood in the URL; a path with blanks or other
// reserved characters may still be percent-encoded.
QString programPath(const QString& id) {
  if (!QFileInfo::exists(id) && id.contains(QLatin1Char('%'))) {
    const QString decoded = QUrl::fromPercentEncoding(id.toUtf8());
    if (QFileInfo::exists(decoded)) return decoded;
  }
  return id;
}

// A desktop entry's Icon= may name a file instead of a theme icon, and the
// entry may come from anyone. Qt would open that file with a blocking read in
// its pixmap loading (a FIFO there stops the window, and the driver can no
// longer quit), so the file is read here: a regular file only, without
// waiting, and capped.
QIcon iconFromFile(const QString& file) {
  const platform::RegularFileRead read = platform::readRegularFile(QFile::encodeName(file), kLargestIconFile);
  if (read.status != platform::RegularFileRead::Status::Read) return QIcon();
  const QImage image = QImage::fromData(read.bytes);
  return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QIcon programIcon(const QString& path) {
  const QString iconName = ProgramIconNames::iconNameFor(path);
  if (QDir::isAbsolutePath(iconName)) {
    const QIcon fromFile = iconFromFile(iconName);
    if (!fromFile.isNull()) return fromFile;
  } else if (!iconName.isEmpty() && !iconName.contains(QLatin1Char('/'))) {
    // A theme icon's name never holds a "/": one that does would be looked
    // up as a path below the theme folders.
    const QIcon themed = QIcon::fromTheme(iconName);
    if (!themed.isNull()) return themed;
  }
  return QFileIconProvider().icon(QFileInfo(path));
}

}  // namespace

IconProvider::IconProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}

QPixmap IconProvider::requestPixmap(const QString& id, QSize* size, const QSize&) {
  const QIcon icon = programIcon(programPath(id));
  const QSize wanted(kIconSide, kIconSide);
  QPixmap picture = icon.isNull() ? QPixmap() : icon.pixmap(icon.actualSize(wanted));
  if (picture.isNull()) {
    // An empty square keeps the row's layout and spares QML a failed load.
    picture = QPixmap(wanted);
    picture.fill(Qt::transparent);
  }
  if (size) *size = picture.size();
  return picture;
}
