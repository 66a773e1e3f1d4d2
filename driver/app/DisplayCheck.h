#pragma once

#include <QString>

// Whether a program may create its GUI application object here. Qt aborts
// the whole process (SIGABRT, exit 134) when its platform plugin finds no
// display, before any code of ours could say why; so programs ask first and
// stop with a message of their own and kNoDisplayExitCode instead.
namespace DisplayCheck {

// EX_UNAVAILABLE of sysexits: the service we need (a display) is not there.
constexpr int kNoDisplayExitCode = 69;

// True when one of the Qt platforms that Qt will try, in its order, needs no
// display (offscreen, minimal, vnc, ...) or finds its display server
// answering: an X server at DISPLAY for xcb, a compositor at WAYLAND_DISPLAY
// for wayland (when Qt has that plugin). The platforms are those of a
// "-platform NAME" in `argv` or of QT_QPA_PLATFORM; by default xcb, with
// wayland first in a session that says it is Wayland's. Otherwise false,
// with the reason in `why`.
bool displayAvailable(int argc, char** argv, QString* why = nullptr);

// The line to print when there is none.
QString noDisplayMessage(const QString& programName, const QString& why = QString());

}  // namespace DisplayCheck
