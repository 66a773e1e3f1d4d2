#pragma once

#include <QString>

// Whether a program may create its GUI application object here. Qt aborts
// the whole process (SIGABRT, exit 134) when its platform plugin finds no
// display, before any code of ours could say why; so programs ask first and
// stop with a message of their own and kNoDisplayExitCode instead.
namespace DisplayCheck {

// EX_UNAVAILABLE of sysexits: the service we need (a display) is not there.
constexpr int kNoDisplayExitCode = 69;

// True when the Qt platform chosen by the environment or the command line
// needs no display (offscreen, minimal, vnc, ...) or when one is named:
// DISPLAY for X11, WAYLAND_DISPLAY for Wayland. `arguments` are the
// program's (a "-platform NAME" there overrides QT_QPA_PLATFORM, as in Qt).
bool displayAvailable(int argc, char** argv);

// The line to print when there is none.
QString noDisplayMessage(const QString& programName);

}  // namespace DisplayCheck
