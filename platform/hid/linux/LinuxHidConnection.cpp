#include "platform/hid/linux/LinuxHidConnection.h"

#include "platform/hid/HidLogging.h"

#include <linux/hidraw.h>
#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {

std::unique_ptr<LinuxHidConnection> LinuxHidConnection::open(const QString& path, bool exclusive,
                                                             ReportFormat format) {
  // Non-blocking, so a read after a poll that another reader won cannot hang.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    // Without access the tablet looks absent; say why where the user can find it.
    if (errno == EACCES || errno == EPERM) {
      qCWarning(lcHid) << "no permission to open" << path << "- is the udev rule installed (see README)?";
    } else {
      qCDebug(lcHid) << "cannot open" << path << strerror(errno);
    }
    return nullptr;
  }
  if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
    qCDebug(lcHid) << path << "is held by another connection" << strerror(errno);
    ::close(fd);
    return nullptr;
  }
  auto connection = std::make_unique<LinuxHidConnection>(fd, format);
  if (!connection->valid()) return nullptr;
  return connection;
}

LinuxHidConnection::LinuxHidConnection(int fd, ReportFormat format)
    : m_fd(fd), m_wake(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_format(std::move(format)) {}

LinuxHidConnection::~LinuxHidConnection() {
  if (m_wake >= 0) ::close(m_wake);
  if (m_fd >= 0) ::close(m_fd);  // closing also drops the flock
}

void LinuxHidConnection::markGone(const char* why) {
  if (!m_gone.exchange(true)) qCDebug(lcHid) << "hidraw device gone:" << why;
}

namespace {

int64_t monotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

int LinuxHidConnection::receive(uint8_t* buffer, int length, int timeoutMs) {
  if (m_gone || !valid() || !buffer || length <= 0) return 0;
  const uint64_t thisRead = ++m_readsBegun;
  // The clock is read only for bounded reads; the tablet's reads are not.
  const int64_t deadline = timeoutMs >= 0 ? monotonicMs() + timeoutMs : 0;
  for (;;) {
    int waitMs = -1;
    if (timeoutMs >= 0) waitMs = int(std::max<int64_t>(0, deadline - monotonicMs()));
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wake, POLLIN, 0}};
    const int ready = ::poll(fds, 2, waitMs);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return 0;
    }
    if (ready == 0) return 0;  // the time ran out
    if (fds[1].revents & POLLIN) {
      uint64_t count = 0;
      [[maybe_unused]] const ssize_t drained = ::read(m_wake, &count, sizeof count);
      if (m_cancelledRead.load() == thisRead) return 0;
      // Meant for an earlier read that had already returned.
      continue;
    }
    // An unplugged hidraw node reports hang-up and error; what it still
    // queued is of no use any more.
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
      markGone("hang-up");
      return 0;
    }
    if (!(fds[0].revents & POLLIN)) continue;
    // The kernel copies at most `length` bytes of a longer report.
    const ssize_t got = ::read(m_fd, buffer, size_t(length));
    if (got > 0) {
      if (m_format.numbered && m_format.inputIds.any() && !m_format.inputIds.test(buffer[0])) continue;
      return int(got);
    }
    if (got == 0 || errno == ENODEV || errno == EIO) {
      markGone(got == 0 ? "end of file" : strerror(errno));
      return 0;
    }
    if (errno == EAGAIN || errno == EINTR) continue;
    qCDebug(lcHid) << "hidraw read failed:" << strerror(errno);
    return 0;
  }
}

void LinuxHidConnection::cancelRead() {
  if (m_wake < 0) return;
  // The latest read begun is in flight or has returned; in the second case
  // the next read finds the wake-up naming an older read and goes on.
  const uint64_t target = m_readsBegun.load();
  uint64_t named = m_cancelledRead.load();
  while (named < target && !m_cancelledRead.compare_exchange_weak(named, target)) {
  }
  const uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(m_wake, &one, sizeof one);
}

int LinuxHidConnection::sendReport(const uint8_t* data, int length, int limit, bool feature) {
  if (m_gone || !valid() || !data || length <= 0 || length > limit) return 0;
  const int prefix = m_format.numbered ? 0 : 1;
  const int total = length + prefix;
  uint8_t small[128];
  std::vector<uint8_t> large;
  uint8_t* report = small;
  if (total > int(sizeof small)) {
    large.resize(size_t(total));
    report = large.data();
  }
  if (prefix) report[0] = 0;
  std::memcpy(report + prefix, data, size_t(length));

  const int sent = feature ? ::ioctl(m_fd, HIDIOCSFEATURE(total), report) : int(::write(m_fd, report, size_t(total)));
  if (sent < 0) {
    if (errno == ENODEV) markGone("no device");
    qCDebug(lcHid) << (feature ? "feature report" : "output report") << "failed:" << strerror(errno);
    return 0;
  }
  // A report goes out whole or not at all; a short write is a failure.
  return sent == total ? length : 0;
}

int LinuxHidConnection::write(const uint8_t* data, int length) {
  return sendReport(data, length, m_format.output, false);
}

bool LinuxHidConnection::setFeature(const uint8_t* data, int length) {
  return sendReport(data, length, m_format.feature, true) == length;
}

QByteArray LinuxHidConnection::indexedString(int) { return QByteArray(); }

QByteArray LinuxHidConnection::rawName(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return QByteArray();
  char name[256] = {};
  const int got = ::ioctl(fd, HIDIOCGRAWNAME(sizeof name - 1), name);
  ::close(fd);
  return got > 0 ? QByteArray(name) : QByteArray();
}

}  // namespace platform
