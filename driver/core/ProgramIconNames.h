#pragma once

#include <QString>

// Programs found through desktop entries carry a theme icon name ("krita",
// "org.inkscape.Inkscape"). The candidate scan remembers it per program path,
// and the icon provider of the settings window asks for it, so a program picked
// from the menu shows the icon the menu shows. Shared by the GUI thread and the
// profile watcher, so every access takes one lock.
namespace ProgramIconNames {

void remember(const QString& programPath, const QString& iconName);
// "" when the program came from no desktop entry or its entry names no icon.
QString iconNameFor(const QString& programPath);
void forgetAll();

}  // namespace ProgramIconNames
