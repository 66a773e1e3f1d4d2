#pragma once

#include <QString>

// How programs are told apart: by the file's base name (the name without
// directory and without every suffix), with case, so that a program chosen
// from one folder is recognised when it runs from another.
namespace ProgramIdentity {

// A program in a Flatpak or Snap sandbox goes by its application,
// "flatpak:org.kde.krita" or "snap:krita" (see platform::SandboxedProgram),
// a form no path takes: that whole name is its identity, so its key group
// never applies to a program of the same file name installed otherwise.
QString baseName(const QString& programPath);

// The driver itself, whose windows must not change the key group. Its base
// name is matched without case: the program is installed as VarnexDriver and
// known to users as varnexDriver.
bool isDriver(const QString& programPath);

}  // namespace ProgramIdentity
