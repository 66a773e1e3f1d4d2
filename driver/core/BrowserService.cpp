#include "driver/core/BrowserService.h"

#include <QDesktopServices>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

namespace {
QMutex s_lock;
BrowserService::Handler s_handler;
}  // namespace

bool BrowserService::open(const QString& url) {
  Handler handler;
  {
    QMutexLocker locker(&s_lock);
    handler = s_handler;
  }
  if (handler) return handler(url);
  return QDesktopServices::openUrl(QUrl(url));
}

void BrowserService::setHandler(Handler handler) {
  QMutexLocker locker(&s_lock);
  s_handler = std::move(handler);
}
