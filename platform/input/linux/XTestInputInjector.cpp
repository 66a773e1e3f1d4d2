#include "platform/input/linux/XTestInputInjector.h"

#include "platform/input/linux/VirtualKeyMap.h"

#include <QLoggingCategory>
#include <QMutexLocker>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

Q_LOGGING_CATEGORY(lcXTestInput, "varnex.input.xtest")

namespace platform {

namespace {
constexpr int kWheelStep = 120;
constexpr unsigned kWheelUpButton = 4;
constexpr unsigned kWheelDownButton = 5;

unsigned buttonNumber(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return 1;
    case MouseButton::Middle: return 2;
    case MouseButton::Right: return 3;
  }
  return 1;
}
}  // namespace

XTestInputInjector::~XTestInputInjector() {
  if (m_display) XCloseDisplay(m_display);
}

std::unique_ptr<XTestInputInjector> XTestInputInjector::create(const char* displayName, QString* error) {
  Display* display = XOpenDisplay(displayName);
  if (!display) {
    if (error) *error = QStringLiteral("cannot open the X display");
    return nullptr;
  }
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    XCloseDisplay(display);
    if (error) *error = QStringLiteral("the X display has no XTest extension");
    return nullptr;
  }
  return std::unique_ptr<XTestInputInjector>(new XTestInputInjector(display));
}

void XTestInputInjector::sendKeys(const KeyStroke* strokes, size_t count) {
  QMutexLocker locker(&m_lock);
  for (size_t i = 0; i < count; ++i) {
    const unsigned long keysym = keysymForVirtualKey(strokes[i].virtualKey);
    const KeyCode keycode = keysym ? XKeysymToKeycode(m_display, keysym) : 0;
    if (keycode == 0) {
      qCWarning(lcXTestInput) << "no keycode for virtual-key code" << strokes[i].virtualKey;
      continue;
    }
    XTestFakeKeyEvent(m_display, keycode, strokes[i].pressed ? True : False, CurrentTime);
  }
  XFlush(m_display);
}

void XTestInputInjector::sendMouseButton(MouseButton button, bool down) {
  QMutexLocker locker(&m_lock);
  XTestFakeButtonEvent(m_display, buttonNumber(button), down ? True : False, CurrentTime);
  XFlush(m_display);
}

void XTestInputInjector::sendWheel(int delta) {
  if (delta == 0) return;
  QMutexLocker locker(&m_lock);
  // X has no fine wheel: whole notches as clicks of the wheel buttons, at
  // least one in the wheel's direction.
  int notches = (delta < 0 ? -delta : delta) / kWheelStep;
  if (notches == 0) notches = 1;
  clickButton(delta > 0 ? kWheelUpButton : kWheelDownButton, notches);
  XFlush(m_display);
}

void XTestInputInjector::clickButton(unsigned button, int times) {
  for (int i = 0; i < times; ++i) {
    XTestFakeButtonEvent(m_display, button, True, CurrentTime);
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
  }
}

}  // namespace platform
