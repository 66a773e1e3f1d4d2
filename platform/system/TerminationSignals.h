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
// The handlers can be installed before any Qt object exists (catchEarly),
// so a request that comes while the program is still starting is kept and
// acted on once the event loop runs. They stay installed to the end of the
// process: once the object is gone the program is on its way out already,
// and a late request must neither cut its teardown short nor change its
// exit code. One object at a time.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  ~TerminationSignals() override;

  // Installs the handlers; the requests wait until an object exists. False
  // when they could not be installed. Safe to call more than once.
  static bool catchEarly();

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
