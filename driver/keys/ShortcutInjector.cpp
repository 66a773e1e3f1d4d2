#include "driver/keys/ShortcutInjector.h"

#include "driver/keys/KeyNameTable.h"

#include <QMutex>
#include <QMutexLocker>
#include <QVector>

#include <atomic>
#include <bitset>

namespace {

QMutex s_heldLock;
QStringList s_held;
// What tablet keys hold down right now: virtual-key codes (under the held
// lock) and mouse buttons, one bit per button.
std::bitset<256> s_keysDown;
std::atomic<unsigned> s_heldButtons{0};

unsigned buttonBit(platform::MouseButton button) { return 1u << static_cast<unsigned>(button); }

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
  if (strokes.isEmpty()) return;
  {
    QMutexLocker locker(&s_heldLock);
    for (const platform::KeyStroke& stroke : strokes) s_keysDown[stroke.virtualKey] = stroke.pressed;
  }
  platform::InputInjector::current().sendKeys(strokes.constData(), size_t(strokes.size()));
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
  if (down) {
    s_heldButtons |= buttonBit(button);
  } else {
    s_heldButtons &= ~buttonBit(button);
  }
  platform::InputInjector::current().sendMouseButton(button, down);
}

void ShortcutInjector::releaseEverythingHeld() {
  QVector<platform::KeyStroke> strokes;
  {
    QMutexLocker locker(&s_heldLock);
    s_held.clear();
    for (int code = 0; code < int(s_keysDown.size()); ++code) {
      if (s_keysDown[code]) strokes.append({uint8_t(code), false});
    }
    s_keysDown.reset();
  }
  if (!strokes.isEmpty()) platform::InputInjector::current().sendKeys(strokes.constData(), size_t(strokes.size()));
  for (platform::MouseButton button :
       {platform::MouseButton::Left, platform::MouseButton::Right, platform::MouseButton::Middle}) {
    if (s_heldButtons & buttonBit(button)) mouseButton(button, false);
  }
}

void ShortcutInjector::doubleClick(platform::MouseButton button) {
  for (int i = 0; i < 2; ++i) {
    mouseButton(button, true);
    mouseButton(button, false);
  }
}

void ShortcutInjector::wheel(int delta) { platform::InputInjector::current().sendWheel(delta); }
