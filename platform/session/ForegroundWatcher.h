#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace platform {

// Tells which window is in front and which program owns it. A watcher belongs
// to the thread that made it (the X11 one holds that thread's connection to
// the display), so each polling thread makes its own through create().
class ForegroundWatcher {
 public:
  using Factory = std::function<std::unique_ptr<ForegroundWatcher>()>;

  virtual ~ForegroundWatcher() = default;

  // The window in front now; 0 when there is none or it cannot be known
  // (no display, a desktop that does not tell). The same window gives the
  // same number on every call.
  virtual quint64 activeWindow() = 0;

  // The program that owns the window: the path of its executable, or for a
  // Windows program under Wine the file name of its Windows executable
  // ("sai2.exe"), or for a Flatpak or Snap its package's name
  // ("flatpak:org.kde.krita", see SandboxedProgram). "" when the window is
  // gone, names no process, or the process may not be looked into.
  virtual QString programOf(quint64 window) = 0;

  // A new watcher for the calling thread, from the installed factory.
  static std::unique_ptr<ForegroundWatcher> create();
  // Tests and --simulate install their own; an empty factory brings back the
  // default.
  static void installFactory(Factory factory);
};

// The X11 watcher (which also sees XWayland programs); on a desktop without
// X a watcher that sees no window, saying so once in the log.
std::unique_ptr<ForegroundWatcher> createDefaultForegroundWatcher();

}  // namespace platform
