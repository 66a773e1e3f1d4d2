#include "driver/app/ProcessInfo.h"

#include "driver/app/ProgramCandidateScan.h"
#include "driver/app/ProgramIdentity.h"
#include "driver/core/ConfigFile.h"
#include "platform/session/ForegroundWatcher.h"
#include "platform/system/CrashHandler.h"

#include <QDeadlineTimer>
#include <QtConcurrent/QtConcurrentRun>

ProcessInfo::ProcessInfo(QObject* parent) : ProcessInfo(ProgramCandidateScan::defaultFolders(), nullptr, parent) {}

ProcessInfo::ProcessInfo(const QStringList& candidateFolders, ConfigFile* store, QObject* parent)
    : QThread(parent), m_store(store ? store : ConfigFile::instance()) {
  connect(&m_scan, &QFutureWatcher<QStringList>::finished, this, &ProcessInfo::takeCandidates);
  m_scanPool.setMaxThreadCount(1);
  m_scan.setFuture(QtConcurrent::run(&m_scanPool, [candidateFolders, stop = m_stopScan] {
    // The start and the window come first: on a machine with few cores the
    // scan takes only the time they leave.
    QThread::currentThread()->setPriority(QThread::IdlePriority);
    return ProgramCandidateScan().scan(candidateFolders, stop.get());
  }));
}

ProcessInfo::~ProcessInfo() {
  // The scan looks at the flag between two files, so this wait is short.
  m_stopScan->store(true);
  m_scan.waitForFinished();
  requestInterruption();
  quit();
  wait();
}

QVariantList ProcessInfo::getAllAppPathList() const { return m_candidates; }

void ProcessInfo::takeCandidates() {
  if (m_scan.isCanceled()) return;
  for (const QString& path : m_scan.result()) m_candidates << QVariant(path);
  m_candidatesReady = true;
  emit candidatesChanged();
}

void ProcessInfo::setPollInterval(int milliseconds) { m_pollIntervalMs = qMax(1, milliseconds); }

void ProcessInfo::start(QThread::Priority priority) {
  // QThread::start() does nothing while the thread runs, so a loop that has
  // been asked to stop but has not yet ended would swallow this start.
  if (isRunning() && isInterruptionRequested()) wait();
  QThread::start(priority);
}

bool ProcessInfo::sleepUnlessInterrupted() {
  const QDeadlineTimer due(m_pollIntervalMs.load());
  QMutexLocker locker(&m_sleepLock);
  while (!isInterruptionRequested()) {
    if (due.hasExpired()) return true;
    m_wakeForStop.wait(&m_sleepLock, due);
  }
  return false;
}

void ProcessInfo::requestInterruption() {
  QThread::requestInterruption();
  // Taken so the wake cannot fall between the loop's check and its wait.
  QMutexLocker locker(&m_sleepLock);
  m_wakeForStop.wakeAll();
}

void ProcessInfo::run() {
  CrashHandler::prepareThread();
  // Made here: the X11 watcher's connection belongs to this thread.
  const std::unique_ptr<platform::ForegroundWatcher> watcher = platform::ForegroundWatcher::create();
  while (sleepUnlessInterrupted()) pollForeground(*watcher);
}

void ProcessInfo::pollForeground(platform::ForegroundWatcher& watcher) {
  const quint64 window = watcher.activeWindow();
  if (window == 0 || window == m_lastForegroundWindow) return;
  m_lastForegroundWindow = window;
  const QString program = watcher.programOf(window);
  if (program.isEmpty()) return;

  // A copy taken under the store's lock; the lock is not held while the
  // signals go out.
  const QVariantList programs = m_store->getCusConfigProgramPathList();
  const QString name = ProgramIdentity::baseName(program);
  emit s_currentProcessName(name);
  for (int i = 0; i < programs.size(); ++i) {
    if (ProgramIdentity::baseName(programs.at(i).toString()) == name) {
      emit foregroundWindowAppIndex(i);
      return;
    }
  }
  if (!ProgramIdentity::isDriver(program)) emit foregroundWindowAppIndex(-1);
}
