#pragma once

#include <QFutureWatcher>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QThreadPool>
#include <QVariantList>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class ConfigFile;

namespace platform {
class ForegroundWatcher;
}

// Watches which program is in front, so that the window can switch to that
// program's key group and the controller can adapt program-specific texts.
// Once a second, while a tablet is open, the loop looks at the active window;
// when another window came to the front it names the window's program and
// finds it in the settings store's program list (by base name, with case: a
// program named Krita and one named krita are different programs).
//
// It also offers the window the programs a user sees on their desktop and in
// their application menu, gathered once, starting at construction. The scan
// runs on a thread of its own at idle priority, so a menu of thousands of entries never holds up
// the start, the hand-over or a request to end; the list is empty until
// candidatesChanged says it is there.
//
// Started with start() after a device opened, stopped with
// requestInterruption(); the destructor stops and joins the loop.
class ProcessInfo : public QThread {
  Q_OBJECT
  Q_PROPERTY(bool candidatesReady READ candidatesReady NOTIFY candidatesChanged)

 public:
  // Candidates from the user's desktop folder, then from the application
  // menus of the user and of the system. The program list is that of
  // ConfigFile::instance().
  explicit ProcessInfo(QObject* parent = nullptr);
  // Candidates from these folders, in this order; the program list of store
  // (ConfigFile::instance() when null).
  ProcessInfo(const QStringList& candidateFolders, ConfigFile* store, QObject* parent = nullptr);
  ~ProcessInfo() override;

  // The candidate programs' paths, as QStrings; empty until the scan is done.
  Q_INVOKABLE QVariantList getAllAppPathList() const;
  bool candidatesReady() const { return m_candidatesReady; }

  // Time between two looks at the front: one second, shorter in tests.
  void setPollInterval(int milliseconds);

 public slots:
  // Starts the loop. A loop still winding down after requestInterruption()
  // is waited for first, so a tablet plugged back at once is watched again.
  void start(QThread::Priority priority = QThread::InheritPriority);
  // Asks the loop to stop and wakes it at once: the loop sleeps its whole
  // interval rather than waking a few times a second to look for a stop.
  void requestInterruption();

 signals:
  // The position of the program in front in the program list; -1 for a
  // program without keys of its own (the common group). Nothing when the
  // driver's own window came to the front, so the group of the program
  // behind it stays.
  void foregroundWindowAppIndex(int index);
  // The base name of the program in front, each time another window came
  // to the front.
  void s_currentProcessName(QString name);
  // The candidate scan is done; getAllAppPathList() holds its result.
  void candidatesChanged();

 protected:
  void run() override;

 private:
  void pollForeground(platform::ForegroundWatcher& watcher);
  bool sleepUnlessInterrupted();

  void takeCandidates();

  ConfigFile* m_store;
  // Touched on the GUI thread only: the scan hands its result over through
  // the watcher.
  QVariantList m_candidates;
  bool m_candidatesReady = false;
  std::shared_ptr<std::atomic_bool> m_stopScan = std::make_shared<std::atomic_bool>(false);
  // Its own pool: its one thread runs at idle priority, which must not
  // carry over to the tasks of the global pool.
  QThreadPool m_scanPool;
  QFutureWatcher<QStringList> m_scan;
  std::atomic_int m_pollIntervalMs{1000};
  QMutex m_sleepLock;
  QWaitCondition m_wakeForStop;
  // Read and written by the loop only; kept across restarts so a program
  // already reported is not reported again until another window comes.
  quint64 m_lastForegroundWindow = 0;
};
