#pragma once

#include <QString>

namespace platform {

// The folder for what only this user's own processes may touch: the instance
// lock and the hand-over socket. Anyone who can write into it can keep the
// driver from starting or listen in its place, so it must belong to this
// user and be writable by nobody else.
//
// XDG_RUNTIME_DIR when it is such a folder; otherwise a folder of our own in
// the temporary folder, made with mode 0700 in one step, or kept from an
// earlier start when it passes the same check; otherwise one in the user's
// cache folder. "" when none of them
// can be had; `why` then says what was wrong with each.
QString privateRuntimeFolder(QString* why = nullptr);

}  // namespace platform
