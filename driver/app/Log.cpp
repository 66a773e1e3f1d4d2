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

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool nested = t_handling;
  t_handling = true;
  const QDateTime now = QDateTime::currentDateTime();
  const QString formatted = qFormatLogMessage(type, context, message);

  std::shared_ptr<LogWriter> writer;
  QString dir;
  {
    QMutexLocker lock(&state().mutex);
    writer = state().writer;
    dir = state().dir;
  }
  if (writer && !nested) writer->write(LogPage::fileName(dir, now), LogPage::line(type, LogPage::text(formatted, now)));

  // One write per message, so lines of different threads never interleave.
  const QByteArray plain =
      (LogPage::timeStamp(now) + QLatin1Char(' ') + formatted + QLatin1Char('\n'))
          .toUtf8();
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
