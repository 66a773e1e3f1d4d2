#include "driver/app/Log.h"

#include "driver/app/KeptOpenLogWriter.h"
#include "driver/app/LogPage.h"
#include "driver/app/PerMessageLogWriter.h"

#include <QDateTime>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace {

struct LogState {
  QMutex mutex;  // guards the two members, not the writing
  std::shared_ptr<LogWriter> writer;
  QString dir;
};

LogState& state() {
  static LogState* instance = new LogState;  // outlives every thread that may still log at exit
  return *instance;
}

// Set while this thread is inside the handler: a message raised by the
// writing itself goes to standard error only instead of deadlocking on the
// writer's lock.
thread_local bool t_handling = false;

// A line is "time message", so the fixed texts of the log are found as they
// stand: Qt's default pattern would put the logging category in front. The
// categories stay for switching a module's messages on and off.
void handleMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  const bool nested = t_handling;
  t_handling = true;
  const QDateTime now = QDateTime::currentDateTime();

  std::shared_ptr<LogWriter> writer;
  QString dir;
  {
    QMutexLocker lock(&state().mutex);
    writer = state().writer;
    dir = state().dir;
  }
  if (writer && !nested) writer->write(LogPage::fileName(dir, now), LogPage::line(type, LogPage::text(message, now)));

  // One write per message, so lines of different threads never interleave.
  const QByteArray plain = (LogPage::timeStamp(now) + QLatin1Char(' ') + message + QLatin1Char('\n')).toUtf8();
  std::fwrite(plain.constData(), 1, static_cast<size_t>(plain.size()), stderr);
  std::fflush(stderr);
  t_handling = nested;
}

}  // namespace

void installLog(const QString& dirName, int maxFiles, bool keepOpen) {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/" + dirName;
  {
    QMutexLocker lock(&state().mutex);
    state().dir = dir;
    if (keepOpen)
      state().writer = std::make_shared<KeptOpenLogWriter>();
    else
      state().writer = std::make_shared<PerMessageLogWriter>();
  }
  QDir().mkpath(dir);
  pruneLogFiles(dir, maxFiles);
  qInstallMessageHandler(handleMessage);
}

QString logDirectory() {
  QMutexLocker lock(&state().mutex);
  return state().dir;
}

void pruneLogFiles(const QString& dir, int maxFiles) {
  QStringList pages = QDir(dir).entryList({QStringLiteral("*_log.html")}, QDir::Files, QDir::Name);
  for (int i = 0; i < pages.size() - qMax(maxFiles, 0); ++i) QFile::remove(dir + "/" + pages.at(i));
}
