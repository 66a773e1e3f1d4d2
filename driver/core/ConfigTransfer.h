#pragma once

#include <QString>

// Export and import of a model's settings file, with their dialogs, and the
// messages that tell the user when one did nothing, was refused or failed
// (the log alone is not where a user looks).
namespace ConfigTransfer {

// Asks for a folder and copies `fileInEffect` there as `fileName`. The
// folder may be shared with other users, so a link or anything but a regular
// file at the target name is refused. True when a file was written.
bool exportSettings(const QString& fileInEffect, const QString& fileName);

struct Imported {
  // Where the chosen file was copied; empty when nothing was copied.
  QString target;
  // Whether it replaced the current settings file (its name is the current
  // model's): only then does it take effect now.
  bool takesEffect = false;
};

// Asks for a settings file and copies it beside `currentFile` under its own
// name, when it reads as a settings file.
Imported importSettings(const QString& currentFile);

}  // namespace ConfigTransfer
