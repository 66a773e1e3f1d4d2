#pragma once

#include "platform/input/InputInjector.h"

namespace platform {

// Stands in when the session offers no way to inject: key functions then do
// nothing instead of failing.
class NullInputInjector : public InputInjector {
 public:
  void sendKeys(const KeyStroke*, size_t) override {}
  void sendMouseButton(MouseButton, bool) override {}
  void sendWheel(int) override {}
  const char* kind() const override { return "none"; }
};

}  // namespace platform
