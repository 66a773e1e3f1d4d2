#pragma once

namespace platform {

// How long the driver waits for the desktop (a compositor over Wayland or
// D-Bus) to answer. A compositor that hangs must not hang the window with
// it for long, but one still busy starting the session (at login, or in a
// slow virtual machine) answers late, and while it is that busy it does not
// draw our window either.
constexpr int kDesktopAnswerTimeoutMs = 10000;

}  // namespace platform
