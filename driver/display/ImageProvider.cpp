#include "driver/display/ImageProvider.h"

ImageProvider::ImageProvider() : ImageProvider(std::make_shared<SharedPicture>()) {}

ImageProvider::ImageProvider(std::shared_ptr<SharedPicture> picture)
    : QQuickImageProvider(QQuickImageProvider::Pixmap), m_picture(std::move(picture)) {}

ImageProvider* ImageProvider::newSharingProvider() const { return new ImageProvider(m_picture); }

void ImageProvider::setPixmap(const QPixmap& pixmap) {
  QMutexLocker locker(&m_picture->lock);
  m_picture->pixmap = pixmap;
}

QPixmap ImageProvider::pixmap() const {
  QMutexLocker locker(&m_picture->lock);
  return m_picture->pixmap;
}

QPixmap ImageProvider::requestPixmap(const QString&, QSize* size, const QSize&) {
  QPixmap picture = pixmap();
  // Before the first grab the window still asks for a picture; an empty one
  // of the usual size keeps its layout and its log quiet.
  if (picture.isNull()) {
    picture = QPixmap(300, 168);
    picture.fill(Qt::transparent);
  }
  if (size) *size = picture.size();
  return picture;
}
