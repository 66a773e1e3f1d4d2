#include "platform/input/linux/UinputInputInjector.h"

#include "platform/input/linux/VirtualKeyMap.h"

#include <QLoggingCategory>
#include <QMutexLocker>

#include <libevdev/libevdev.h>
#include <linux/input-event-codes.h>

Q_LOGGING_CATEGORY(lcUinputInput, "varnex.input.uinput")

namespace platform {

namespace {
// The identity the keyboard shows in `libinput list-devices` and evtest.
constexpr int kBusType = BUS_VIRTUAL;
constexpr int kVendor = 0x6666;
constexpr int kProduct = 0x2909;
constexpr int kWheelStep = 120;

uint16_t buttonCode(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return BTN_LEFT;
    case MouseButton::Right: return BTN_RIGHT;
    case MouseButton::Middle: return BTN_MIDDLE;
  }
  return BTN_LEFT;
}
}  // namespace

UinputInputInjector::UinputInputInjector(std::unique_ptr<EvdevSink> sink) : m_sink(std::move(sink)) {}

libevdev* UinputInputInjector::newDescription() {
  libevdev* description = libevdev_new();
  libevdev_set_name(description, "Varnex tablet keys");
  libevdev_set_id_bustype(description, kBusType);
  libevdev_set_id_vendor(description, kVendor);
  libevdev_set_id_product(description, kProduct);
  libevdev_enable_event_type(description, EV_KEY);
  for (const VirtualKeyMapping& entry : virtualKeyMap()) {
    libevdev_enable_event_code(description, EV_KEY, entry.evdevCode, nullptr);
  }
  for (uint16_t button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE}) {
    libevdev_enable_event_code(description, EV_KEY, button, nullptr);
  }
  // Without relative motion the desktop would not take the buttons and the
  // wheel for a mouse; the device never moves, though.
  libevdev_enable_event_type(description, EV_REL);
  for (uint16_t axis : {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES}) {
    libevdev_enable_event_code(description, EV_REL, axis, nullptr);
  }
  // No EV_REP: a shortcut held with a tablet key must not auto-repeat, just
  // as a held key of SendInput does not.
  return description;
}

std::unique_ptr<UinputInputInjector> UinputInputInjector::create(QString* error) {
  libevdev* description = newDescription();
  std::unique_ptr<UinputDevice> device = UinputDevice::create(description, error);
  libevdev_free(description);
  if (!device) return nullptr;
  qCInfo(lcUinputInput) << "virtual keyboard at" << device->devnode();
  return std::make_unique<UinputInputInjector>(std::move(device));
}

void UinputInputInjector::sendKeys(const KeyStroke* strokes, size_t count) {
  QMutexLocker locker(&m_lock);
  for (size_t i = 0; i < count; ++i) {
    const uint16_t code = evdevCodeForVirtualKey(strokes[i].virtualKey);
    if (code == KEY_RESERVED) {
      qCWarning(lcUinputInput) << "no key for virtual-key code" << strokes[i].virtualKey;
      continue;
    }
    // One frame per key, so that a modifier is down before the key it modifies.
    m_sink->writeEvent(EV_KEY, code, strokes[i].pressed ? 1 : 0);
    m_sink->sync();
  }
}

void UinputInputInjector::sendMouseButton(MouseButton button, bool down) {
  QMutexLocker locker(&m_lock);
  m_sink->writeEvent(EV_KEY, buttonCode(button), down ? 1 : 0);
  m_sink->sync();
}

void UinputInputInjector::sendWheel(int delta) {
  if (delta == 0) return;
  QMutexLocker locker(&m_lock);
  // Clients that read only REL_WHEEL need whole notches; a part of a notch
  // still moves them by one in its direction.
  int notches = delta / kWheelStep;
  if (notches == 0) notches = delta > 0 ? 1 : -1;
  m_sink->writeEvent(EV_REL, REL_WHEEL, notches);
  m_sink->writeEvent(EV_REL, REL_WHEEL_HI_RES, delta);
  m_sink->sync();
}

}  // namespace platform
