#pragma once

#include "driver/app/ProcessInfo.h"
#include "platform/session/sim/SimForeground.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QTest>

// The profile watcher's signals as the GUI thread receives them (queued),
// one line each: "name krita", "index 0".
class ForegroundSignalLog {
 public:
  explicit ForegroundSignalLog(ProcessInfo& info) {
    QObject::connect(&info, &ProcessInfo::s_currentProcessName, &m_receiver,
                     [this](const QString& name) { m_lines << "name " + name; });
    QObject::connect(&info, &ProcessInfo::foregroundWindowAppIndex, &m_receiver,
                     [this](int index) { m_lines << QStringLiteral("index %1").arg(index); });
  }

  // What arrived since the last call, once the watcher has finished the
  // poll that was running and one more after it.
  QStringList afterNextPolls(platform::SimForeground& desktop) {
    const int target = desktop.polls() + 2;
    (void)QTest::qWaitFor([&] { return desktop.polls() >= target; }, 10000);
    QCoreApplication::processEvents();
    const QStringList lines = m_lines;
    m_lines.clear();
    return lines;
  }

 private:
  QObject m_receiver;
  QStringList m_lines;
};
