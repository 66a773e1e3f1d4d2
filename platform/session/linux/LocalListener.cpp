#include "platform/session/LocalListener.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcLocalListener, "varnex.session")

namespace platform {

namespace {

QString reason(int error) { return QString::fromLocal8Bit(strerror(error)); }

bool addressOf(const QByteArray& path, sockaddr_un& address) {
  address = sockaddr_un{};
  address.sun_family = AF_UNIX;
  if (size_t(path.size()) >= sizeof(address.sun_path)) return false;
  memcpy(address.sun_path, path.constData(), size_t(path.size()));
  return true;
}

// Whether some process accepts connections at the socket: a refused
// connection means the listener is gone; a full queue still means it lives.
bool someoneListens(const sockaddr_un& address) {
  const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (probe < 0) return true;  // cannot tell: better leave it
  const int result = ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
  const int error = errno;
  ::close(probe);
  return result == 0 || error == EAGAIN || error == EINPROGRESS;
}

bool isShortage(int error) { return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM; }

}  // namespace

LocalListener::LocalListener(QObject* parent) : QObject(parent) {
  m_retry.setSingleShot(true);
  m_retry.setInterval(kShortageRetryMs);
  connect(&m_retry, &QTimer::timeout, this, &LocalListener::resume);
}

LocalListener::~LocalListener() {
  if (m_fd < 0) return;
  delete m_notifier;
  ::close(m_fd);
  // Only our own socket: a later listener's file at the same name stays.
  const QByteArray path = QFile::encodeName(m_path);
  struct stat status {};
  if (::lstat(path.constData(), &status) == 0 && S_ISSOCK(status.st_mode) && quint64(status.st_ino) == m_inode)
    ::unlink(path.constData());
}

bool LocalListener::listen(const QString& path) {
  if (m_fd >= 0) return false;
  const QByteArray native = QFile::encodeName(path);
  sockaddr_un address;
  if (!addressOf(native, address)) {
    m_error = QStringLiteral("%1: the name is too long for a socket").arg(path);
    return false;
  }
  struct stat status {};
  if (::lstat(native.constData(), &status) == 0) {
    if (!S_ISSOCK(status.st_mode)) {
      m_error = QStringLiteral("%1 is there and is not a socket; it is left as it is").arg(path);
      return false;
    }
    if (someoneListens(address)) {
      m_error = QStringLiteral("another process listens at %1").arg(path);
      return false;
    }
    ::unlink(native.constData());
  }

  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) {
    m_error = QStringLiteral("no socket: %1").arg(reason(errno));
    return false;
  }
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
      ::chmod(native.constData(), 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
    m_error = QStringLiteral("cannot listen at %1: %2").arg(path, reason(errno));
    ::close(fd);
    return false;
  }
  struct stat file {};
  m_inode = ::lstat(native.constData(), &file) == 0 ? quint64(file.st_ino) : 0;
  m_fd = fd;
  m_path = path;
  m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &LocalListener::acceptPending);
  return true;
}

void LocalListener::connectionFinished() {
  if (m_inProgress > 0) --m_inProgress;
  resume();
}

void LocalListener::closeConnection(qintptr descriptor) { ::close(int(descriptor)); }

void LocalListener::resume() {
  if (m_notifier && m_inProgress < kMaxInProgress) m_notifier->setEnabled(true);
}

void LocalListener::acceptPending() {
  while (m_inProgress < kMaxInProgress) {
    const int connection = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (connection >= 0) {
      ++m_inProgress;
      emit newConnection(connection);
      continue;
    }
    const int error = errno;
    if (error == EINTR || error == ECONNABORTED) continue;
    if (error == EAGAIN || error == EWOULDBLOCK) {
      // Nobody waits any more: a later shortage is a new one worth saying.
      m_shortageSaid = false;
      return;
    }
    // The queue keeps the waiting connections; they are taken up again when
    // one of ours ends or, failing that, after a moment.
    m_notifier->setEnabled(false);
    if (!m_shortageSaid) {
      m_shortageSaid = true;
      qCWarning(lcLocalListener).noquote()
          << (isShortage(error) ? "hand-over point: no descriptor for a new connection:"
                                : "hand-over point: cannot accept a connection:")
          << reason(error) << "- the waiting ones are taken up again shortly";
    }
    m_retry.start();
    return;
  }
  // As many connections as we serve at once: the rest wait in the queue.
  m_notifier->setEnabled(false);
}

}  // namespace platform
