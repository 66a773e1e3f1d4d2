#include "driver/app/ProgramCandidateScan.h"

#include "driver/app/DesktopEntry.h"
#include "driver/app/ProgramIdentity.h"
#include "driver/core/ProgramIconNames.h"
#include "platform/session/SandboxedProgram.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QLatin1String kDesktopSuffix(".desktop");
// What an entry may have grown by since it was listed.
constexpr qint64 kGrowthAllowance = 4096;

bool isWineLoader(const QString& program) {
  static const QStringList loaders{"wine",          "wine64",           "wine-stable",
                                   "wine64-stable", "wine-development", "wine64-development"};
  return loaders.contains(QFileInfo(program).fileName());
}

bool isCandidateExecutable(const QFileInfo& file) {
  return file.isFile() && file.isExecutable() && !ProgramIdentity::isDriver(file.fileName());
}

}  // namespace

QStringList ProgramCandidateScan::defaultFolders() {
  QStringList folders;
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (!desktop.isEmpty() && QFileInfo(desktop).canonicalFilePath() != QFileInfo(QDir::homePath()).canonicalFilePath())
    folders << desktop;
  folders << QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
  folders << QStringLiteral("/usr/share/applications");
  // Flatpak's exports are in XDG_DATA_DIRS when the session was set up by
  // Flatpak's profile script; an autostart before it still finds them here.
  const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (!dataHome.isEmpty()) folders << dataHome + QStringLiteral("/flatpak/exports/share/applications");
  folders << QStringLiteral("/var/lib/flatpak/exports/share/applications");
  folders << QStringLiteral("/var/lib/snapd/desktop/applications");
  return folders;
}

QStringList ProgramCandidateScan::scan(const QStringList& folders, const std::atomic_bool* stop) {
  m_stop = stop;
  for (const QString& folder : folders) scanFolder(folder, QString(), 0);
  return m_found;
}

bool ProgramCandidateScan::exhausted() const {
  return m_entriesSeen > m_limits.maxEntries || m_foldersVisited > m_limits.maxFolders ||
         m_bytesRead > m_limits.maxBytes || (m_stop && m_stop->load(std::memory_order_relaxed));
}

void ProgramCandidateScan::scanFolder(const QString& folder, const QString& idPrefix, int depth) {
  if (depth > m_limits.maxDepth || exhausted()) return;
  const QString real = QFileInfo(folder).canonicalFilePath();
  if (real.isEmpty() || m_visitedFolders.contains(real)) return;
  m_visitedFolders.insert(real);
  if (++m_foldersVisited > m_limits.maxFolders) return;

  const QDir dir(folder);
  const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& file : files) {
    ++m_entriesSeen;
    if (exhausted()) return;
    if (file.fileName().endsWith(kDesktopSuffix))
      takeDesktopEntry(file, idPrefix + file.fileName());
    else if (file.isSymLink())
      takeLink(file.absoluteFilePath());
    else
      takeExecutable(file.absoluteFilePath());
  }
  const QFileInfoList subfolders = dir.entryInfoList(QDir::AllDirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& sub : subfolders) {
    if (exhausted()) return;
    scanFolder(sub.absoluteFilePath(), idPrefix + sub.fileName() + QLatin1Char('-'), depth + 1);
  }
}

void ProgramCandidateScan::takeDesktopEntry(const QFileInfo& file, const QString& desktopId) {
  // An entry of the same name seen earlier (the user's own folders come
  // first) overrides this one, also when it hides it.
  if (m_desktopIds.contains(desktopId)) return;
  m_desktopIds.insert(desktopId);
  // The listing knows the size: the read takes a buffer that fits (a large
  // one for each of thousands of entries costs more than the reading), and
  // an entry too large for what is left is not opened.
  const qint64 allowed = qMin(m_limits.maxBytes - m_bytesRead, DesktopEntry::kMaxBytes);
  if (file.size() > allowed) return;
  const std::optional<DesktopEntry> entry =
      DesktopEntry::read(file.absoluteFilePath(), qMin(allowed, file.size() + kGrowthAllowance), &m_bytesRead);
  if (!entry || entry->type != QLatin1String("Application") || entry->noDisplay || entry->hidden) return;
  if (!entry->tryExec.isEmpty() && realProgramFile(entry->tryExec).isEmpty()) return;
  const QString program = programOfEntry(*entry);
  if (!program.isEmpty()) add(program, entry->icon);
}

QString ProgramCandidateScan::programOfEntry(const DesktopEntry& entry) {
  // A sandboxed program runs as its application, whatever launcher starts it.
  namespace SandboxedProgram = platform::SandboxedProgram;
  if (!entry.flatpakId.isEmpty())
    return SandboxedProgram::isFlatpakId(entry.flatpakId) ? SandboxedProgram::flatpak(entry.flatpakId) : QString();
  if (!entry.snapName.isEmpty())
    return SandboxedProgram::isSnapName(entry.snapName) ? SandboxedProgram::snap(entry.snapName) : QString();
  // "env NAME=value ... program": the program is the first word that is
  // neither env nor an assignment.
  int first = 0;
  if (!entry.exec.isEmpty() && QFileInfo(entry.exec.first()).fileName() == QLatin1String("env")) {
    first = 1;
    while (first < entry.exec.size() && entry.exec.at(first).contains(QLatin1Char('='))) ++first;
  }
  if (first >= entry.exec.size()) return QString();
  const QString program = realProgramFile(entry.exec.at(first));
  if (program.isEmpty()) return QString();
  if (isWineLoader(program) || isWineLoader(entry.exec.at(first))) {
    const QString windowsProgram = windowsProgramOf(entry);
    return ProgramIdentity::isDriver(windowsProgram) ? QString() : windowsProgram;
  }
  return isCandidateExecutable(QFileInfo(program)) ? program : QString();
}

// The real file of a program named on an Exec or TryExec line: absolute, or
// looked up in PATH. The running program's /proc entry names the real file,
// so the link a menu names (gimp → gimp-2.10) is followed to it.
QString ProgramCandidateScan::realProgramFile(const QString& program) {
  const auto known = m_programFiles.constFind(program);
  if (known != m_programFiles.constEnd()) return *known;
  QString found;
  if (QDir::isAbsolutePath(program))
    found = program;
  else if (!program.contains(QLatin1Char('/')))
    found = QStandardPaths::findExecutable(program);
  found = found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
  m_programFiles.insert(program, found);
  return found;
}

// Wine's menu entries start "wine" on a shortcut; the program's own file is
// named by StartupWMClass in the entry's working directory. Windows file
// names ignore case: when the name as written is not there, the folder's
// names are compared without it, listed once per scan (such a folder may
// hold thousands of files, and thousands of entries may name it).
QString ProgramCandidateScan::windowsProgramOf(const DesktopEntry& entry) {
  if (entry.workingDirectory.isEmpty() || !entry.startupWmClass.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
    return QString();
  const QDir folder(entry.workingDirectory);
  const QFileInfo asWritten(folder.absoluteFilePath(entry.startupWmClass));
  if (asWritten.isFile()) return asWritten.filePath();

  auto names = m_folderNamesWithoutCase.find(folder.absolutePath());
  if (names == m_folderNamesWithoutCase.end()) {
    QHash<QString, QString> byFoldedName;
    if (++m_foldersVisited <= m_limits.maxFolders) {
      for (QDirIterator names(folder.absolutePath(), QDir::Files); names.hasNext();) {
        if (++m_entriesSeen > m_limits.maxEntries) break;
        const QString name = QFileInfo(names.next()).fileName();
        byFoldedName.insert(name.toCaseFolded(), name);
      }
    }
    names = m_folderNamesWithoutCase.insert(folder.absolutePath(), byFoldedName);
  }
  const QString name = names->value(entry.startupWmClass.toCaseFolded());
  return name.isEmpty() ? QString() : folder.absoluteFilePath(name);
}

void ProgramCandidateScan::takeLink(const QString& path) {
  const QFileInfo target(QFileInfo(path).canonicalFilePath());
  if (isCandidateExecutable(target)) add(target.filePath(), QString());
}

void ProgramCandidateScan::takeExecutable(const QString& path) {
  if (isCandidateExecutable(QFileInfo(path))) add(path, QString());
}

void ProgramCandidateScan::add(const QString& programPath, const QString& iconName) {
  m_found << programPath;
  // A link or executable found after an entry of the same program keeps the
  // entry's icon.
  if (!iconName.isEmpty()) ProgramIconNames::remember(programPath, iconName);
}
