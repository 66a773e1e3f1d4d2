#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Programs installed as a Flatpak or a Snap run from a sandbox: their
// executable is bwrap's /app/bin/krita or a path under /snap, which says
// little about which program it is, and the same program may be installed
// natively beside it. They are named by what their package calls them
// instead: "flatpak:org.kde.krita", "snap:krita". Such a name holds no "/",
// so it is never mistaken for a path, and it is kept wherever a program's
// path is kept (the program list, a key that starts a program).
namespace SandboxedProgram {

QString flatpak(const QString& applicationId);
QString snap(const QString& snapName);

// Whether `program` is such a name, with a well-formed id.
bool isSandboxed(const QString& program);
// The application id or snap name; "" for anything else.
QString idOf(const QString& program);
// The last part of the id, as a person would name the program ("krita" for
// "flatpak:org.kde.krita"); "" for anything else.
QString shortNameOf(const QString& program);

// A Flatpak application id ("org.kde.krita"): letters, digits, "_" and "-"
// in at least two dot-separated parts, at most 255 characters.
bool isFlatpakId(const QString& id);
// A snap name ("krita", "gimp"): lower-case letters, digits and "-", at most
// 40 characters.
bool isSnapName(const QString& name);

// How to start such a program: {"flatpak", "run", id} or {"snap", "run",
// name}; empty for anything else.
QStringList launchCommand(const QString& program);

}  // namespace SandboxedProgram

}  // namespace platform
