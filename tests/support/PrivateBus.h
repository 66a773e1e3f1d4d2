#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of our own, on a socket in a temporary directory, so a test
// can play a system service or a desktop's session service without touching
// the machine's own buses. address() is empty when dbus-daemon is missing or
// did not start.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  QString address() const { return m_address; }

 private:
  QTemporaryDir m_dir;
  QProcess m_daemon;
  QString m_address;
};
