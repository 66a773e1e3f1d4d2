#include "platform/display/linux/XErrorTrap.h"

#include <atomic>
#include <mutex>

namespace platform {

namespace {

std::mutex& trapLock() {
  static std::mutex lock;
  return lock;
}
std::atomic<int> trappedErrors{0};

int countError(Display*, XErrorEvent*) {
  ++trappedErrors;
  return 0;
}

}  // namespace

XErrorTrap::XErrorTrap(Display* display) : m_display(display) {
  trapLock().lock();
  XSync(m_display, False);
  trappedErrors = 0;
  m_previous = XSetErrorHandler(&countError);
}

XErrorTrap::~XErrorTrap() {
  XSync(m_display, False);
  XSetErrorHandler(m_previous);
  trapLock().unlock();
}

bool XErrorTrap::failedSoFar() {
  XSync(m_display, False);
  return trappedErrors > 0;
}

}  // namespace platform
