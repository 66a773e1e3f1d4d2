#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace platform {

// Tells when the machine is about to sleep, has woken, or is about to power
// off. The machine waits for the receivers of suspending() before it sleeps
// (as far as the system lets a program delay it), so whatever they close is
// closed before the devices lose power. Signals are emitted on the thread
// that created the watcher.
class PowerWatcher : public QObject {
  Q_OBJECT

 public:
  using Factory = std::function<std::unique_ptr<PowerWatcher>()>;

  // A watcher of the current kind: the installed factory's, else the Linux
  // one (logind on the system bus). Without a system bus or logind it says
  // so once in the log and never signals.
  static std::unique_ptr<PowerWatcher> create();
  // Replaces the kind of watcher create() makes; an empty factory brings
  // back the Linux one.
  static void installFactory(Factory factory);

 signals:
  void suspending();
  void resumed();
  void shuttingDown();

 protected:
  explicit PowerWatcher(QObject* parent = nullptr) : QObject(parent) {}
};

// The logind watcher on the system bus.
std::unique_ptr<PowerWatcher> createDefaultPowerWatcher();

}  // namespace platform
