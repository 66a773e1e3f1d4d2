#pragma once

#include <QMutex>
#include <QPixmap>
#include <QQuickImageProvider>

#include <memory>

// Gives the window one picture, whatever id it asks for ("image://screenImage/…").
// Providers made from one another share that picture, so the object that puts
// pictures in and the QML engine that owns the provider may go in any order.
class ImageProvider : public QQuickImageProvider {
 public:
  ImageProvider();

  // A second provider showing the same picture, owned by the caller (an
  // engine takes ownership of the providers added to it).
  ImageProvider* newSharingProvider() const;

  void setPixmap(const QPixmap& pixmap);
  QPixmap pixmap() const;

  QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;

 private:
  struct SharedPicture {
    mutable QMutex lock;
    QPixmap pixmap;
  };
  explicit ImageProvider(std::shared_ptr<SharedPicture> picture);

  std::shared_ptr<SharedPicture> m_picture;
};
