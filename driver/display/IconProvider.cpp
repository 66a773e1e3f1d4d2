#include "driver/display/IconProvider.h"

#include "driver/core/ProgramIconNames.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QUrl>

namespace {

// QML hands the id over as it stood in the URL; a path with blanks or other
// reserved characters may still be percent-encoded.
QString programPath(const QString& id) {
  if (!QFileInfo::exists(id) && id.contains(QLatin1Char('%'))) {
    const QString decoded = QUrl::fromPercentEncoding(id.toUtf8());
    if (QFileInfo::exists(decoded)) return decoded;
  }
  return id;
}

QIcon programIcon(const QString& path) {
  const QString themeName = ProgramIconNames::iconNameFor(path);
  if (!themeName.isEmpty()) {
    const QIcon themed = QIcon::fromTheme(themeName);
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
