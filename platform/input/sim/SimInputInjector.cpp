#include "platform/input/sim/SimInputInjector.h"

#include <QLoggingCategory>
#include <QMutexLocker>

Q_LOGGING_CATEGORY(lcSimInput, "varnex.input.sim")

namespace platform {

void SimInputInjector::sendKeys(const KeyStroke* strokes, size_t count) {
  QMutexLocker locker(&m_lock);
  ++m_batch;
  for (size_t i = 0; i < count; ++i) {
    Event event;
    event.kind = Event::Key;
    event.code = strokes[i].virtualKey;
    event.pressed = strokes[i].pressed;
    event.batch = m_batch;
    m_events.push_back(event);
    qCDebug(lcSimInput) << describe(event);
  }
}

void SimInputInjector::sendMouseButton(MouseButton button, bool down) {
  QMutexLocker locker(&m_lock);
  Event event;
  event.kind = Event::Button;
  event.code = int(button);
  event.pressed = down;
  event.batch = ++m_batch;
  m_events.push_back(event);
  qCDebug(lcSimInput) << describe(event);
}

void SimInputInjector::sendWheel(int delta) {
  QMutexLocker locker(&m_lock);
  Event event;
  event.kind = Event::Wheel;
  event.code = delta;
  event.batch = ++m_batch;
  m_events.push_back(event);
  qCDebug(lcSimInput) << describe(event);
}

std::vector<SimInputInjector::Event> SimInputInjector::events() const {
  QMutexLocker locker(&m_lock);
  return m_events;
}

QStringList SimInputInjector::texts() const {
  QStringList result;
  for (const Event& event : events()) result << describe(event);
  return result;
}

void SimInputInjector::clear() {
  QMutexLocker locker(&m_lock);
  m_events.clear();
}

std::vector<SimInputInjector::Event> SimInputInjector::takeEvents() {
  QMutexLocker locker(&m_lock);
  std::vector<Event> taken;
  taken.swap(m_events);
  return taken;
}

QString SimInputInjector::describe(const Event& event) {
  switch (event.kind) {
    case Event::Key:
      return QStringLiteral("0x%1 %2")
          .arg(QString::number(event.code, 16).toUpper().rightJustified(2, QLatin1Char('0')))
          .arg(event.pressed ? "down" : "up");
    case Event::Button: {
      static const char* const names[] = {"left", "right", "middle"};
      return QStringLiteral("%1 %2").arg(names[event.code]).arg(event.pressed ? "down" : "up");
    }
    case Event::Wheel:
      return QStringLiteral("wheel %1%2").arg(event.code > 0 ? "+" : "").arg(event.code);
  }
  return QString();
}

}  // namespace platform
