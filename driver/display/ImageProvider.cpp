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
  const QPixmap picture = pixmap();
  if (size) *size = picture.size();
  return picture;
}
