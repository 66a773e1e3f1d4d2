#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace platform {

// The program a Wayland app id stands for, where the compositor names no
// process or a sandbox hides it: the desktop entry of that name (a Flatpak's
// names its application id, any other its Exec program), else an executable
// of that name in PATH, else the app id itself. "" for an empty app id or
// one with a "/". applicationFolders: where entries are looked up (the XDG
// applications folders when empty).
QString programOfAppId(const QString& appId, const QStringList& applicationFolders);

// The program of a window that the compositor gives a process id and an app
// id for: the process's program where /proc tells it, else the app id's.
QString programOfWindow(const std::string& procRoot, int pid, QString appId);

}  // namespace platform
