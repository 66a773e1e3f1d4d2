#pragma once

#include "platform/input/InputInjector.h"
#include "platform/input/linux/EvdevSink.h"

#include <QMutex>
#include <QString>
#include <memory>

struct libevdev;

namespace platform {

// Injects through one virtual keyboard-and-mouse device: every key and
// button goes out as an EV_KEY event followed by a SYN_REPORT, a wheel step
// as REL_WHEEL (notches) and REL_WHEEL_HI_RES (120ths of a notch) in one frame.
class UinputInputInjector : public InputInjector {
 public:
  explicit UinputInputInjector(std::unique_ptr<EvdevSink> sink);

  // Makes the uinput device; null when /dev/uinput cannot be used.
  static std::unique_ptr<UinputInputInjector> create(QString* error = nullptr);

  // The device's name, identity and capabilities: every key of the virtual
  // key map, the three buttons, relative motion and both wheels. Caller frees
  // it with libevdev_free.
  static libevdev* newDescription();

  void sendKeys(const KeyStroke* strokes, size_t count) override;
  void sendMouseButton(MouseButton button, bool down) override;
  void sendWheel(int delta) override;
  const char* kind() const override { return "uinput"; }

 private:
  QMutex m_lock;
  std::unique_ptr<EvdevSink> m_sink;
};

}  // namespace platform
