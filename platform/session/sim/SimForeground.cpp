#include "platform/session/sim/SimForeground.h"

#include "platform/session/sim/SimForegroundWatcher.h"

#include <QMutexLocker>

namespace platform {

quint64 SimForeground::openWindow(const QString& program) {
  // Window numbers look like X resource ids: never 0, never reused.
  const quint64 window = 0x1200001 + m_lastWindow++;
  m_owners.insert(window, program);
  m_active = window;
  return window;
}

quint64 SimForeground::bringToFront(const QString& program) {
  QMutexLocker locker(&m_lock);
  m_turns.clear();
  return openWindow(program);
}

void SimForeground::activate(quint64 window) {
  QMutexLocker locker(&m_lock);
  m_turns.clear();
  m_active = window;
}

void SimForeground::clear() {
  QMutexLocker locker(&m_lock);
  m_turns.clear();
  m_active = 0;
}

void SimForeground::playInTurn(const QStringList& programs, int pollsEach) {
  QMutexLocker locker(&m_lock);
  m_turns = programs;
  m_pollsEach = qMax(1, pollsEach);
  m_pollsInTurn = 0;
  m_turn = -1;
}

quint64 SimForeground::activeWindow() {
  QMutexLocker locker(&m_lock);
  ++m_polls;
  if (!m_turns.isEmpty() && (m_turn < 0 || ++m_pollsInTurn >= m_pollsEach)) {
    m_turn = (m_turn + 1) % m_turns.size();
    m_pollsInTurn = 0;
    openWindow(m_turns.at(m_turn));
  }
  return m_active;
}

QString SimForeground::programOf(quint64 window) const {
  QMutexLocker locker(&m_lock);
  return m_owners.value(window);
}

int SimForeground::polls() const {
  QMutexLocker locker(&m_lock);
  return m_polls;
}

void SimForeground::setHelpNeeded(ForegroundHelp help) {
  QMutexLocker locker(&m_lock);
  m_helpNeeded = help;
}

ForegroundHelp SimForeground::helpNeeded() const {
  QMutexLocker locker(&m_lock);
  return m_helpNeeded;
}

void SimForeground::install(const std::shared_ptr<SimForeground>& desktop) {
  ForegroundWatcher::installFactory([desktop] { return std::make_unique<SimForegroundWatcher>(desktop); });
  ForegroundWatcher::installHelpProbe([desktop] { return desktop->helpNeeded(); });
}

}  // namespace platform
