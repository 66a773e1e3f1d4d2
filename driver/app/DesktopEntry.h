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
  // The application a Flatpak or Snap export stands for (X-Flatpak,
  // X-SnapInstanceName); its Exec line runs the sandbox's launcher.
  QString flatpakId;
  QString snapName;
  // The Exec line split into arguments, quoting and escapes undone, field
  // codes (%f, %U, ...) dropped.
  QStringList exec;
  bool noDisplay = false;
  bool hidden = false;

  // Nothing when the text has no [Desktop Entry] group.
  static std::optional<DesktopEntry> parse(const QByteArray& text);
  // Real entries are a few KiB; translations of Name and Comment into many
  // languages stay well below this.
  static constexpr qint64 kMaxBytes = 1 << 20;
  // Nothing when the file is not a regular file (a FIFO or device is never
  // opened for long), cannot be read, is larger than `maxBytes` (then it is
  // not read at all), or has no [Desktop Entry] group. `bytesRead` grows by
  // what was read.
  static std::optional<DesktopEntry> read(const QString& path, qint64 maxBytes = kMaxBytes,
                                          qint64* bytesRead = nullptr);

  // Splits an Exec value (its string escapes already undone) into arguments.
  static QStringList splitExec(const QString& exec);
};
