#include "platform/session/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcSingleInstance, "varnex.session")

namespace platform {

namespace {

QString runtimeDir() {
  // XDG_RUNTIME_DIR, or a private directory Qt makes under /tmp when the
  // session has none; either belongs to this user alone.
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return dir.isEmpty() ? QDir::tempPath() : dir;
}

// Waits for `events` on fd until the deadline; false on timeout or error.
bool waitFor(int fd, short events, int timeoutMs) {
  pollfd entry{fd, events, 0};
  for (;;) {
    const int ready = ::poll(&entry, 1, timeoutMs);
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

SingleInstance::SingleInstance(QString key) : m_key(std::move(key)) {}

SingleInstance::~SingleInstance() {
  m_server.reset();
  if (m_lockFd >= 0) ::close(m_lockFd);
}

QString SingleInstance::lockPath() const {
  return QStringLiteral("%1/%2-%3.lock").arg(runtimeDir(), m_key).arg(::getuid());
}

QString SingleInstance::handOverPath() const {
  return QStringLiteral("%1/%2-%3.handover").arg(runtimeDir(), m_key).arg(::getuid());
}

bool SingleInstance::claim() {
  if (m_lockFd >= 0) return true;
  // A lock on an open file, not a file's mere existence: the kernel drops it
  // with the last descriptor, so it dies with the process that held it.
  // Close-on-exec, or a program the driver starts would keep it alive.
  const QByteArray path = QFile::encodeName(lockPath());
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    // Better two drivers than none: a broken runtime directory must not
    // keep the user from their tablet.
    qCWarning(lcSingleInstance).noquote()
        << "cannot open the instance lock" << lockPath() << ":" << QString::fromLocal8Bit(strerror(errno));
    return true;
  }
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      m_lockFd = fd;
      return true;
    }
    if (errno != EINTR) break;
  }
  const bool lockedByOther = errno == EWOULDBLOCK;
  ::close(fd);
  if (!lockedByOther) return true;
  handOver();
  return false;
}

bool SingleInstance::handOver() {
  const QByteArray path = QFile::encodeName(handOverPath());
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (size_t(path.size()) >= sizeof(address.sun_path)) return false;
  memcpy(address.sun_path, path.constData(), size_t(path.size()));

  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  // No socket yet, or one a dead instance left behind: the running one has
  // not published its hand-over point, and there is nobody to tell.
  bool sent = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  if (sent) {
    const QByteArray message = HandOverMessage::showWindow().encode();
    sent = ::send(fd, message.constData(), size_t(message.size()), MSG_NOSIGNAL) == message.size();
  }
  if (sent && waitFor(fd, POLLIN, kHandOverTimeoutMs)) {
    // The running instance answers once its window has been dealt with.
    char answer = 0;
    (void)::recv(fd, &answer, 1, 0);
  }
  ::close(fd);
  return sent;
}

bool SingleInstance::publish(Receiver receiver) {
  m_server = std::make_unique<HandOverServer>(std::move(receiver));
  if (m_server->listen(handOverPath())) return true;
  qCWarning(lcSingleInstance).noquote() << "a second start cannot reach this one:" << m_server->errorString();
  return false;
}

}  // namespace platform
