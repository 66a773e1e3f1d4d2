#include "driver/core/FileDialogService.h"

#include <QFileDialog>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex s_lock;
FileDialogService::Handler s_handler;
}  // namespace

QString FileDialogService::ask(const Request& request) {
  Handler handler;
  {
    QMutexLocker locker(&s_lock);
    handler = s_handler;
  }
  if (handler) return handler(request);
  if (request.kind == Request::Kind::Directory)
    return QFileDialog::getExistingDirectory(nullptr, request.caption, request.directory,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
  if (request.kind == Request::Kind::Save)
    return QFileDialog::getSaveFileName(nullptr, request.caption, request.directory, request.filter);
  return QFileDialog::getOpenFileName(nullptr, request.caption, request.directory, request.filter);
}

void FileDialogService::setHandler(Handler handler) {
  QMutexLocker locker(&s_lock);
  s_handler = std::move(handler);
}
