#pragma once

#include <QQuickImageProvider>

// The icon of a program for the window's program list: the id is the
// program's path ("image://progamIcon/" + path). A program found through a
// desktop entry shows the theme icon its entry names, any other file the icon
// the file system gives it. The picture is the icon's own size for 32 × 32.
class IconProvider : public QQuickImageProvider {
 public:
  IconProvider();

  QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;

  static constexpr int kIconSide = 32;
};
