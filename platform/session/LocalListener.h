#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

namespace platform {

// A listening local (Unix domain) socket that outlives a flood. It hands out
// at most kMaxInProgress connections at a time; the rest wait in the
// system's queue until connectionFinished() makes room. When the process
// runs out of descriptors, it stops accepting for a moment instead of giving
// up, says so once until the queue has been emptied, and takes up the queue
// again when a descriptor is free.
class LocalListener : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxInProgress = 32;
  // How long to wait before trying again when no descriptor was free and no
  // connection of ours is about to free one.
  static constexpr int kShortageRetryMs = 250;

  explicit LocalListener(QObject* parent = nullptr);
  ~LocalListener() override;

  // Listens at `path`, only this user may connect. A socket file whose
  // listener has gone (a killed process left it) is replaced; one that a
  // live process listens at, and anything that is not a socket, is left as
  // it is and listening fails. Removes its socket file when destroyed.
  bool listen(const QString& path);
  QString errorString() const { return m_error; }
  bool isListening() const { return m_fd >= 0; }

  // A connection given out by newConnection has ended.
  void connectionFinished();
  // For a receiver that could not take a connection it was given.
  static void closeConnection(qintptr descriptor);

 signals:
  // An accepted connection; the receiver owns the descriptor (non-blocking,
  // close-on-exec) and calls connectionFinished() once it is done with it.
  void newConnection(qintptr descriptor);

 private:
  void acceptPending();
  void resume();

  int m_fd = -1;
  QString m_path;
  quint64 m_inode = 0;
  QSocketNotifier* m_notifier = nullptr;
  QTimer m_retry;
  int m_inProgress = 0;
  bool m_shortageSaid = false;
  QString m_error;
};

}  // namespace platform
