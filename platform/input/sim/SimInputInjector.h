#pragma once

#include "platform/input/InputInjector.h"

#include <QMutex>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// Records every injected event in order instead of sending it anywhere. Used
// by the tests and by --simulate, where the log shows what would have been typed.
class SimInputInjector : public InputInjector {
 public:
  struct Event {
    enum Kind { Key, Button, Wheel };
    Kind kind = Key;
    int code = 0;        // virtual-key code, MouseButton, or wheel delta
    bool pressed = false;
    int batch = 0;       // events of one sendKeys call share a batch number
  };

  void sendKeys(const KeyStroke* strokes, size_t count) override;
  void sendMouseButton(MouseButton button, bool down) override;
  void sendWheel(int delta) override;
  const char* kind() const override { return "sim"; }

  std::vector<Event> events() const;
  // The events as short texts: "0x11 down", "0x5A up", "left down", "wheel +120".
  QStringList texts() const;
  void clear();
  // Hands over the events recorded so far and keeps none of them.
  std::vector<Event> takeEvents();

  static QString describe(const Event& event);

 private:
  mutable QMutex m_lock;
  std::vector<Event> m_events;
  int m_batch = 0;
};

}  // namespace platform
