#pragma once

#include <QString>
#include <QStringList>

// The desktop's own display settings (screen arrangement, resolution,
// rotation): KDE's screen settings module, GNOME Settings' display panel,
// Xfce's display settings, or the tools of other desktops, whichever is
// installed.
class SystemDisplaySettings {
 public:
  struct Command {
    QString program;  // full path; empty when no tool is installed
    QStringList arguments;
  };

  // The first tool found on `searchPath` (PATH when empty), in the order of
  // the desktops above.
  static Command find(const QStringList& searchPath = QStringList());
  static bool isAvailable() { return !find().program.isEmpty(); }
  // Starts the tool detached; false when none is installed or it did not start.
  static bool open();
};
