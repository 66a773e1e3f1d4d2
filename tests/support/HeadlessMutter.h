#pragma once

#include "tests/support/PrivateBus.h"

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

// GNOME's compositor, mutter, headless with virtual monitors of the given
// sizes, on a private session bus and a private runtime folder. running() is
// false when mutter is not installed or did not come up; tests then skip.
class HeadlessMutter {
 public:
  explicit HeadlessMutter(const QVector<QSize>& monitors);
  ~HeadlessMutter();
  HeadlessMutter(const HeadlessMutter&) = delete;
  HeadlessMutter& operator=(const HeadlessMutter&) = delete;

  bool running() const { return m_running; }
  QString whyNot() const { return m_whyNot; }
  QString busAddress() const { return m_bus.address(); }
  // A connection of the test's own to the private bus.
  QDBusConnection bus() const;
  // The environment of a program started into this GNOME session.
  QProcessEnvironment sessionEnvironment() const;

 private:
  PrivateBus m_bus;
  QTemporaryDir m_runtimeDir;
  QProcess m_mutter;
  QString m_connectionName;
  bool m_running = false;
  QString m_whyNot;
};
