#include "platform/display/linux/XErrorTrap.h"

#include <X11/Xlib.h>

#include <atomic>
#include <mutex>

namespace platform {

namespace {

std::mutex& trapLock() {
  static std::mutex lock;
  return lock;
}
std::atomic<int> trappedErrors{0};
// The handler in place before the trap; only touched under trapLock().
XErrorHandler previousHandler = nullptr;

int countError(Display*, XErrorEvent*) {
  ++trappedErrors;
  return 0;
}

}  // namespace

XErrorTrap::XErrorTrap(_XDisplay* display) : m_display(display) {
  trapLock().lock();
  XSync(m_display, False);
  trappedErrors = 0;
  previousHandler = XSetErrorHandler(&countError);
}

XErrorTrap::~XErrorTrap() {
  XSync(m_display, False);
  XSetErrorHandler(previousHandler);
  trapLock().unlock();
}

bool XErrorTrap::failedSoFar() {
  XSync(m_display, False);
  return trappedErrors > 0;
}

}  // namespace platform
