#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Whether the display servers a GUI program would talk to are there: Qt's
// platform plugins abort the process when the one they chose does not
// answer, so a program asks first.

// An X server accepts a connection at `display` (DISPLAY's value). False,
// with the reason in `why`, for "" or a display nobody serves.
bool x11ServerAnswers(const QByteArray& display, QString* why = nullptr);

// A Wayland compositor listens at `display` (WAYLAND_DISPLAY's value: a
// socket name in XDG_RUNTIME_DIR, or an absolute path).
bool waylandCompositorAnswers(const QByteArray& display, QString* why = nullptr);

}  // namespace platform
