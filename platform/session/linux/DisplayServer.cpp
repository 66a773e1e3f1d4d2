#include "platform/session/DisplayServer.h"

#include <QFile>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <cerrno>
#include <cstring>

namespace platform {

bool x11ServerAnswers(const QByteArray& display, QString* why) {
  if (display.isEmpty()) {
    if (why) *why = QStringLiteral("DISPLAY is not set");
    return false;
  }
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  const int error = xcb_connection_has_error(connection);
  xcb_disconnect(connection);
  if (error != 0 && why) *why = QStringLiteral("no X server answers at DISPLAY=%1").arg(QString::fromLocal8Bit(display));
  return error == 0;
}

bool waylandCompositorAnswers(const QByteArray& display, QString* why) {
  if (display.isEmpty()) {
    if (why) *why = QStringLiteral("WAYLAND_DISPLAY is not set");
    return false;
  }
  QByteArray path = display;
  if (!path.startsWith('/')) path = qgetenv("XDG_RUNTIME_DIR") + '/' + display;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  int error = ENAMETOOLONG;
  if (size_t(path.size()) < sizeof(address.sun_path)) {
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    error = fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ? errno : 0;
    if (fd >= 0) ::close(fd);
  }
  if (error != 0 && why)
    *why = QStringLiteral("no Wayland compositor answers at %1 (%2)")
               .arg(QFile::decodeName(path), QString::fromLocal8Bit(strerror(error)));
  return error == 0;
}

}  // namespace platform
