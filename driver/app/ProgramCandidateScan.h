#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

struct DesktopEntry;

// Gathers the programs a user sees on their desktop and in their application
// menu, for the window to offer when a program gets keys of its own.
//
// In each folder and its subfolders (depth first): a .desktop entry counts as
// a shortcut to the program of its Exec line, a symbolic link as a shortcut
// to its target, and any other executable file as itself. Only executables
// count, never the driver itself. Each entry's theme icon is remembered in
// ProgramIconNames under the program's path.
//
// Folder links are common on Linux desktops and may point back up the tree,
// so each real folder is visited once and the depth is bounded; so is the
// number of entries looked at, since a desktop may hold large project trees.
class ProgramCandidateScan {
 public:
  // The user's desktop folder, then the application folders of the user and
  // of the system. A desktop that is the home folder itself is left out:
  // its scan would list every script the user owns.
  static QStringList defaultFolders();

  // The programs' paths in the order found; the same program may be found
  // more than once.
  QStringList scan(const QStringList& folders);

 private:
  void scanFolder(const QString& folder, const QString& idPrefix, int depth);
  void takeDesktopEntry(const QString& path, const QString& desktopId);
  void takeLink(const QString& path);
  void takeExecutable(const QString& path);
  void add(const QString& programPath, const QString& iconName);
  static QString programOfEntry(const DesktopEntry& entry);

  QStringList m_found;
  QSet<QString> m_visitedFolders;
  QSet<QString> m_desktopIds;
  int m_entriesSeen = 0;
};
