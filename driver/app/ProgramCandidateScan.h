#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>

class QFileInfo;
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
// so each real folder is visited once and the depth is bounded. A desktop may
// hold large project trees and a menu thousands of entries, so one scan also
// stops at a number of folders, of files looked at and of bytes read; what
// was found until then is kept. Runs on any thread, one scan per object.
class ProgramCandidateScan {
 public:
  struct Limits {
    int maxDepth = 6;  // menus nest two or three folders deep; a desktop a little more
    int maxFolders = 2000;
    int maxEntries = 20000;
    qint64 maxBytes = 16 << 20;
  };

  ProgramCandidateScan() = default;
  explicit ProgramCandidateScan(const Limits& limits) : m_limits(limits) {}

  // The user's desktop folder, then the application folders of the user and
  // of the system. A desktop that is the home folder itself is left out:
  // its scan would list every script the user owns.
  static QStringList defaultFolders();

  // The programs' paths in the order found; the same program may be found
  // more than once. Ends early, with what it found, once `stop` is set.
  QStringList scan(const QStringList& folders, const std::atomic_bool* stop = nullptr);

  int foldersVisited() const { return m_foldersVisited; }
  qint64 bytesRead() const { return m_bytesRead; }

 private:
  void scanFolder(const QString& folder, const QString& idPrefix, int depth);
  bool exhausted() const;
  void takeDesktopEntry(const QFileInfo& file, const QString& desktopId);
  void takeLink(const QString& path);
  void takeExecutable(const QString& path);
  void add(const QString& programPath, const QString& iconName);
  QString programOfEntry(const DesktopEntry& entry);
  QString realProgramFile(const QString& program);
  QString windowsProgramOf(const DesktopEntry& entry);

  Limits m_limits;
  const std::atomic_bool* m_stop = nullptr;
  QStringList m_found;
  QSet<QString> m_visitedFolders;
  QSet<QString> m_desktopIds;
  // Wine's entries name the same few folders and the same loader thousands
  // of times: each is looked up once.
  QHash<QString, QString> m_programFiles;
  QHash<QString, QHash<QString, QString>> m_folderNamesWithoutCase;
  int m_foldersVisited = 0;
  int m_entriesSeen = 0;
  qint64 m_bytesRead = 0;
};
