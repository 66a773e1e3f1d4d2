#pragma once

#include "platform/session/ForegroundWatcher.h"

#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

namespace platform {

// The front of a simulated desktop: which window is active and which program
// owns each window. Tests move the front by hand; --simulate plays a list of
// programs in turn. Shared by every watcher made for it, from any thread.
class SimForeground {
 public:
  // A new window of program comes to the front and is returned. An empty
  // program stands for a process that may not be looked into.
  quint64 bringToFront(const QString& program);
  // An earlier window comes back to the front.
  void activate(quint64 window);
  // No window in front.
  void clear();
  // Brings a new window of each program to the front in turn, each staying
  // there for pollsEach polls, round and round, until the front is moved by
  // hand.
  void playInTurn(const QStringList& programs, int pollsEach);

  // What the watchers read; activeWindow() counts as one poll.
  quint64 activeWindow();
  QString programOf(quint64 window) const;
  // How often a watcher asked for the active window.
  int polls() const;

  // What ForegroundWatcher::helpNeeded() answers; None at first.
  void setHelpNeeded(ForegroundHelp help);
  ForegroundHelp helpNeeded() const;

  // From now on ForegroundWatcher::create() hands out watchers of desktop.
  static void install(const std::shared_ptr<SimForeground>& desktop);

 private:
  quint64 openWindow(const QString& program);

  mutable QMutex m_lock;
  QHash<quint64, QString> m_owners;
  quint64 m_active = 0;
  quint64 m_lastWindow = 0;
  int m_polls = 0;
  ForegroundHelp m_helpNeeded = ForegroundHelp::None;
  QStringList m_turns;
  int m_pollsEach = 0;
  int m_pollsInTurn = 0;
  int m_turn = -1;
};

}  // namespace platform
