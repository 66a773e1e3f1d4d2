#pragma once

#include "platform/input/InputInjector.h"

#include <QMutex>
#include <QString>
#include <memory>

struct _XDisplay;

namespace platform {

// Injects through the XTest extension of an X display: keys by the keycode of
// the virtual key's keysym, buttons 1 to 3, the wheel as buttons 4 (up) and 5
// (down). Needs no privileges, only the display.
class XTestInputInjector : public InputInjector {
 public:
  ~XTestInputInjector() override;

  // Opens its own connection to the display (null: $DISPLAY). Null when the
  // display cannot be opened or lacks XTest.
  static std::unique_ptr<XTestInputInjector> create(const char* displayName = nullptr, QString* error = nullptr);

  void sendKeys(const KeyStroke* strokes, size_t count) override;
  void sendMouseButton(MouseButton button, bool down) override;
  void sendWheel(int delta) override;
  const char* kind() const override { return "xtest"; }

 private:
  explicit XTestInputInjector(_XDisplay* display) : m_display(display) {}
  void clickButton(unsigned button, int times);

  QMutex m_lock;
  _XDisplay* m_display;
};

}  // namespace platform
