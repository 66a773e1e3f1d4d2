#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace platform {

// What the user has to do before the desktop tells which program is in front.
enum class ForegroundHelp {
  None,
  // GNOME names the focused window only through the driver's Shell
  // extension, which is installed with the package but off until enabled.
  EnableGnomeExtension,
};

// The driver's GNOME Shell extension, as gnome-extensions names it.
inline constexpr const char* kGnomeForegroundExtension = "foreground@varnex.example";

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

  // What the user has to do on this desktop; asks the session, so call it
  // now and then, not per poll. Tests and --simulate install their own
  // answer; an empty one brings back the session's.
  static ForegroundHelp helpNeeded();
  static void installHelpProbe(std::function<ForegroundHelp()> probe);
};

// The X11 watcher (which also sees XWayland programs); on a desktop without
// X a watcher that sees no window, saying so once in the log.
std::unique_ptr<ForegroundWatcher> createDefaultForegroundWatcher();
ForegroundHelp defaultForegroundHelpNeeded();

}  // namespace platform
