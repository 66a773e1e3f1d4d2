#include "driver/keys/ShortcutInjector.h"

#include "driver/keys/KeyNameTable.h"

#include <QMutex>
#include <QMutexLocker>
#include <QVector>

namespace {

QMutex s_heldLock;
QStringList s_held;

}  // namespace

void ShortcutInjector::sendShortcut(const QString& shortcut, bool pressed) {
  if (KeyNameTable::isEmpty()) return;
  QVector<platform::KeyStroke> strokes;
  for (const QString& part : shortcut.split(QLatin1Char('+'), Qt::KeepEmptyParts)) {
    if (const uint8_t code = KeyNameTable::code(part)) {
      strokes.append({code, pressed});
    } else if (const std::vector<uint8_t>* codes = KeyNameTable::composite(part)) {
      for (uint8_t each : *codes) strokes.append({each, pressed});
    }
  }
  if (!strokes.isEmpty()) platform::InputInjector::current().sendKeys(strokes.constData(), size_t(strokes.size()));
}

void ShortcutInjector::pressShortcut(const QString& shortcut, bool pressed) {
  if (pressed) {
    QMutexLocker locker(&s_heldLock);
    if (!s_held.contains(shortcut)) s_held.append(shortcut);
  }
  sendShortcut(shortcut, pressed);
}

void ShortcutInjector::tapShortcut(const QString& shortcut) {
  pressShortcut(shortcut, true);
  pressShortcut(shortcut, false);
}

void ShortcutInjector::releaseHeldShortcuts() {
  QStringList held;
  {
    QMutexLocker locker(&s_heldLock);
    held.swap(s_held);
  }
  for (const QString& shortcut : held) sendShortcut(shortcut, false);
}

QStringList ShortcutInjector::heldShortcuts() {
  QMutexLocker locker(&s_heldLock);
  return s_held;
}

void ShortcutInjector::mouseButton(platform::MouseButton button, bool down) {
  platform::InputInjector::current().sendMouseButton(button, down);
}

void ShortcutInjector::doubleClick(platform::MouseButton button) {
  for (int i = 0; i < 2; ++i) {
    mouseButton(button, true);
    mouseButton(button, false);
  }
}

void ShortcutInjector::wheel(int delta) { platform::InputInjector::current().sendWheel(delta); }
