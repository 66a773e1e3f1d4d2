#include "driver/app/ProgramCandidateScan.h"

#include "driver/app/DesktopEntry.h"
#include "driver/app/ProgramIdentity.h"
#include "driver/core/ProgramIconNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Menus nest two or three folders deep; a desktop a little more.
constexpr int kMaxDepth = 6;
constexpr int kMaxEntries = 20000;

const QLatin1String kDesktopSuffix(".desktop");

bool isWineLoader(const QString& program) {
  static const QStringList loaders{"wine",          "wine64",           "wine-stable",
                                   "wine64-stable", "wine-development", "wine64-development"};
  return loaders.contains(QFileInfo(program).fileName());
}

// The real file of a program named on an Exec or TryExec line: absolute, or
// looked up in PATH. The running program's /proc entry names the real file,
// so the link a menu names (gimp → gimp-2.10) is followed to it.
QString realProgramFile(const QString& program) {
  QString found;
  if (QDir::isAbsolutePath(program))
    found = program;
  else if (!program.contains(QLatin1Char('/')))
    found = QStandardPaths::findExecutable(program);
  return found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
}

bool isCandidateExecutable(const QFileInfo& file) {
  return file.isFile() && file.isExecutable() && !ProgramIdentity::isDriver(file.fileName());
}

// Wine's menu entries start "wine" on a shortcut; the program's own file is
// named by StartupWMClass in the entry's working directory. Windows file
// names ignore case, so the folder is searched without it.
QString windowsProgramOf(const DesktopEntry& entry) {
  if (entry.workingDirectory.isEmpty() || !entry.startupWmClass.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
    return QString();
  const QDir folder(entry.workingDirectory);
  for (const QString& name : folder.entryList(QDir::Files)) {
    if (name.compare(entry.startupWmClass, Qt::CaseInsensitive) == 0) return folder.absoluteFilePath(name);
  }
  return QString();
}

}  // namespace

QStringList ProgramCandidateScan::defaultFolders() {
  QStringList folders;
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (!desktop.isEmpty() && QFileInfo(desktop).canonicalFilePath() != QFileInfo(QDir::homePath()).canonicalFilePath())
    folders << desktop;
  folders << QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
  folders << QStringLiteral("/usr/share/applications");
  return folders;
}

QStringList ProgramCandidateScan::scan(const QStringList& folders) {
  for (const QString& folder : folders) scanFolder(folder, QString(), 0);
  return m_found;
}

void ProgramCandidateScan::scanFolder(const QString& folder, const QString& idPrefix, int depth) {
  const QString real = QFileInfo(folder).canonicalFilePath();
  if (real.isEmpty() || depth > kMaxDepth || m_visitedFolders.contains(real)) return;
  m_visitedFolders.insert(real);

  const QDir dir(folder);
  const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& file : files) {
    if (++m_entriesSeen > kMaxEntries) return;
    if (file.fileName().endsWith(kDesktopSuffix))
      takeDesktopEntry(file.absoluteFilePath(), idPrefix + file.fileName());
    else if (file.isSymLink())
      takeLink(file.absoluteFilePath());
    else
      takeExecutable(file.absoluteFilePath());
  }
  const QFileInfoList subfolders = dir.entryInfoList(QDir::AllDirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& sub : subfolders) {
    if (m_entriesSeen > kMaxEntries) return;
    scanFolder(sub.absoluteFilePath(), idPrefix + sub.fileName() + QLatin1Char('-'), depth + 1);
  }
}

void ProgramCandidateScan::takeDesktopEntry(const QString& path, const QString& desktopId) {
  // An entry of the same name seen earlier (the user's own folders come
  // first) overrides this one, also when it hides it.
  if (m_desktopIds.contains(desktopId)) return;
  m_desktopIds.insert(desktopId);
  const std::optional<DesktopEntry> entry = DesktopEntry::read(path);
  if (!entry || entry->type != QLatin1String("Application") || entry->noDisplay || entry->hidden) return;
  if (!entry->tryExec.isEmpty() && realProgramFile(entry->tryExec).isEmpty()) return;
  const QString program = programOfEntry(*entry);
  if (!program.isEmpty()) add(program, entry->icon);
}

QString ProgramCandidateScan::programOfEntry(const DesktopEntry& entry) {
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
