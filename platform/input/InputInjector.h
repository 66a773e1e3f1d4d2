#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform {

// One key of a shortcut going down or up, named by its Windows virtual-key
// code (0x41 "A", 0x11 Ctrl, ...): the key tables of the driver speak in
// those codes whatever the system underneath.
struct KeyStroke {
  uint8_t virtualKey = 0;
  bool pressed = false;
};

enum class MouseButton { Left, Right, Middle };

// Puts keyboard and mouse input into the desktop session, as if a real
// keyboard and mouse had produced it. The process has one current injector:
// the Linux one unless a test or --simulate installs another.
class InputInjector {
 public:
  virtual ~InputInjector() = default;

  // Sends the strokes in order as one batch. Codes the injector cannot type
  // are skipped.
  virtual void sendKeys(const KeyStroke* strokes, size_t count) = 0;
  virtual void sendMouseButton(MouseButton button, bool down) = 0;
  // One wheel movement; +120 is one notch away from the user (up), -120 one
  // notch towards the user (down).
  virtual void sendWheel(int delta) = 0;

  // A short name of the mechanism, for the log: "uinput", "xtest", "sim", "none".
  virtual const char* kind() const = 0;

  // The process-wide injector, created on first use. install() takes
  // ownership; installing null brings back the default on the next current().
  static InputInjector& current();
  static void install(std::unique_ptr<InputInjector> injector);
};

// What current() picks when nothing was installed: a uinput keyboard and
// mouse, else XTest on the X display, else an injector that drops everything.
std::unique_ptr<InputInjector> createDefaultInputInjector();

}  // namespace platform
