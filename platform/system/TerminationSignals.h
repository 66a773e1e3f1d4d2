#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Turns the requests to end the program that the system sends (a logout,
// `systemctl --user stop`, Ctrl+C in a terminal: SIGTERM, SIGINT and SIGHUP
// on Linux) into the `terminationRequested` signal on the thread that created
// this object, so the program leaves its event loop and tears down in order
// instead of dying in the middle of a pen stroke.
//
// One object at a time; destroying it restores the default actions.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

  // False when the handlers could not be installed.
  bool isInstalled() const { return m_notifier != nullptr; }

 signals:
  // The number of the signal that arrived.
  void terminationRequested(int signalNumber);

 private:
  void readPending();

  QSocketNotifier* m_notifier = nullptr;
};

}  // namespace platform
