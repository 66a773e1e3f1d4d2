#include "platform/session/SingleInstance.h"

#include "platform/session/RuntimeFolder.h"

#include <QFile>
#include <QLoggingCategory>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcSingleInstance, "varnex.session")

namespace platform {

namespace {

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

QString SingleInstance::pathWithSuffix(const char* suffix) const {
  if (m_folder.isEmpty() && m_folderProblem.isEmpty()) {
    m_folder = privateRuntimeFolder(&m_folderProblem);
    if (m_folder.isEmpty() && m_folderProblem.isEmpty()) m_folderProblem = QStringLiteral("no private folder");
  }
  if (m_folder.isEmpty()) return QString();
  return QStringLiteral("%1/%2-%3.%4").arg(m_folder, m_key).arg(::getuid()).arg(QLatin1String(suffix));
}

QString SingleInstance::lockPath() const { return pathWithSuffix("lock"); }

QString SingleInstance::handOverPath() const { return pathWithSuffix("handover"); }

namespace {

QString reason(int error) { return QString::fromLocal8Bit(strerror(error)); }

// The lock file must be a plain file of ours: one of someone else, or a
// device or FIFO reached by its name, proves nothing about our drivers.
bool isOwnRegularFile(int fd) {
  struct stat status {};
  return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

// Whether the name still leads to the file we locked: another start may
// have replaced it between our open and our lock.
bool stillNamedBy(int fd, const QByteArray& path) {
  struct stat locked {}, named {};
  return ::fstat(fd, &locked) == 0 && ::lstat(path.constData(), &named) == 0 && locked.st_dev == named.st_dev &&
         locked.st_ino == named.st_ino;
}

}  // namespace

SingleInstance::Claim SingleInstance::claim() {
  if (m_lockFd >= 0) return Claim::First;
  const QString lock = lockPath();
  if (lock.isEmpty()) {
    m_problem = QStringLiteral("no private folder for the instance lock: %1").arg(m_folderProblem);
    return Claim::Unavailable;
  }
  const QByteArray path = QFile::encodeName(lock);
  bool movedAside = false;
  for (int attempt = 0; attempt < 4; ++attempt) {
    // A lock on an open file, not a file's mere existence: the kernel drops
    // it with the last descriptor, so it dies with the process that held it.
    // Close-on-exec, or a program the driver starts would keep it alive.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
      const int error = errno;
      m_problem = QStringLiteral("cannot open the instance lock %1: %2").arg(lock, reason(error));
    } else if (!isOwnRegularFile(fd)) {
      ::close(fd);
      m_problem = QStringLiteral("the instance lock %1 is not a file of this user").arg(lock);
    } else {
      int locked;
      do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
      } while (locked != 0 && errno == EINTR);
      const int error = errno;
      if (locked != 0) {
        ::close(fd);
        if (error == EWOULDBLOCK) {
          handOver();
          return Claim::Second;
        }
        m_problem = QStringLiteral("cannot lock the instance lock %1: %2").arg(lock, reason(error));
      } else if (!stillNamedBy(fd, path)) {
        ::close(fd);
        continue;
      } else if (handOver()) {
        // A driver whose lock file someone removed still runs: it answered.
        ::close(fd);
        return Claim::Second;
      } else {
        m_lockFd = fd;
        m_problem.clear();
        return Claim::First;
      }
    }
    qCWarning(lcSingleInstance).noquote() << m_problem;
    // A driver may run all the same, if its lock file was replaced.
    if (handOver()) return Claim::Second;
    if (movedAside) break;
    // Whatever sits at the lock's name is no lock of a running driver (that
    // would be our own file); keep it, under another name.
    const QByteArray aside = path + ".broken";
    if (::rename(path.constData(), aside.constData()) != 0) break;
    movedAside = true;
    qCWarning(lcSingleInstance).noquote() << "moved it aside to" << QFile::decodeName(aside);
  }
  return Claim::Unavailable;
}

bool SingleInstance::handOver() {
  const QString name = handOverPath();
  if (name.isEmpty()) return false;
  const QByteArray path = QFile::encodeName(name);
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
  if (m_lockFd < 0) return false;
  m_server = std::make_unique<HandOverServer>(std::move(receiver));
  if (m_server->listen(handOverPath())) return true;
  qCWarning(lcSingleInstance).noquote() << "a second start cannot reach this one:" << m_server->errorString();
  return false;
}

}  // namespace platform
