#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The keys of a .desktop file's [Desktop Entry] group that tell which program
// an entry starts and whether a menu shows it.
struct DesktopEntry {
  QString type;
  QString icon;
  QString tryExec;
  QString workingDirectory;  // the Path key
  QString startupWmClass;
  // The Exec line split into arguments, quoting and escapes undone, field
  // codes (%f, %U, ...) dropped.
  QStringList exec;
  bool noDisplay = false;
  bool hidden = false;

  // Nothing when the text has no [Desktop Entry] group.
  static std::optional<DesktopEntry> parse(const QByteArray& text);
  // Nothing when the file cannot be read, is larger than any real entry, or
  // has no [Desktop Entry] group.
  static std::optional<DesktopEntry> read(const QString& path);

  // Splits an Exec value (its string escapes already undone) into arguments.
  static QStringList splitExec(const QString& exec);
};
