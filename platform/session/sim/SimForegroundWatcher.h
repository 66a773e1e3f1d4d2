#pragma once

#include "platform/session/ForegroundWatcher.h"
#include "platform/session/sim/SimForeground.h"

#include <memory>

namespace platform {

// A watcher over a simulated desktop.
class SimForegroundWatcher : public ForegroundWatcher {
 public:
  explicit SimForegroundWatcher(std::shared_ptr<SimForeground> desktop) : m_desktop(std::move(desktop)) {}
  quint64 activeWindow() override { return m_desktop->activeWindow(); }
  QString programOf(quint64 window) override { return m_desktop->programOf(window); }

 private:
  std::shared_ptr<SimForeground> m_desktop;
};

}  // namespace platform
