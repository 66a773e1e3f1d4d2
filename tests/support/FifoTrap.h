#pragma once

#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO that tells whether anything opened it for reading. Such an open
// blocks until a writer comes; a watcher thread looks for a waiting reader
// (a non-blocking open for writing succeeds only then), records it and lets
// the reader go with end-of-file, so code that wrongly follows a name to the
// FIFO is caught instead of hanging the test.
class FifoTrap {
 public:
  FifoTrap() : m_path(m_dir.path() + "/trap") {
    m_made = ::mkfifo(m_path.toLocal8Bit().constData(), 0600) == 0;
    m_watcher = std::thread([this] {
      const QByteArray path = m_path.toLocal8Bit();
      while (!m_stop) {
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
          m_opened = true;
          ::close(fd);
        }
        ::usleep(2000);
      }
    });
  }
  ~FifoTrap() {
    m_stop = true;
    m_watcher.join();
  }
  FifoTrap(const FifoTrap&) = delete;
  FifoTrap& operator=(const FifoTrap&) = delete;

  bool made() const { return m_made; }
  QString path() const { return m_path; }
  bool wasOpened() const { return m_opened; }

 private:
  QTemporaryDir m_dir;
  QString m_path;
  bool m_made = false;
  std::atomic_bool m_stop{false};
  std::atomic_bool m_opened{false};
  std::thread m_watcher;
};
