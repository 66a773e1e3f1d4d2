// tabletrecord: captures a connected tablet's reports for tabletreplay.

#include "platform/system/StandardStreams.h"
#include "platform/system/TerminationSignals.h"
#include "tools/tabletrecord/RecordOptions.h"
#include "tools/tabletrecord/TabletRecorder.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(int code, const QString& reason) {
  std::fprintf(stderr, "tabletrecord: %s\n", reason.toLocal8Bit().constData());
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  const platform::ClosedStandardStreams closed = platform::occupyClosedStandardStreams();
  if (closed.output) return 1;  // nowhere to write the capture

  // The model scripts read settings; never the user's.
  QTemporaryDir home(QDir::tempPath() + "/tabletrecord-XXXXXX");
  if (!home.isValid()) return fail(1, QStringLiteral("cannot create a temporary directory"));
  const QByteArray root = home.path().toLocal8Bit();
  setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
  setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
  setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
  if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!getenv("QT_LOGGING_RULES")) setenv("QT_LOGGING_RULES", "*=false", 1);

  QApplication app(argc, argv);
  QApplication::setOrganizationName("varnex");
  QApplication::setApplicationName("tabletrecord");

  RecordOptions options;
  QString error;
  if (!RecordOptions::parse(app.arguments().mid(1), options, error)) return fail(2, error);
  if (options.help) {
    std::printf("%s\n", RecordOptions::usage().toLocal8Bit().constData());
    return std::fflush(stdout) == 0 ? 0 : 1;
  }

  // Before anything else runs, so a request to end is never the default
  // action that kills the program with its capture half written.
  platform::TerminationSignals termination;
  if (!termination.isInstalled()) return fail(1, QStringLiteral("cannot handle SIGTERM and SIGINT"));
  TabletRecorder recorder(stdout);
  if (!recorder.open(options.model, error)) return fail(1, error);

  // Reports are read on a thread of their own; this one keeps the event
  // loop for the signals, the time limit and the delayed init report.
  bool written = true;
  QThread* reader = QThread::create([&] { written = recorder.record(); });
  QObject::connect(reader, &QThread::finished, &app, &QCoreApplication::quit);
  QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &app,
                   [&recorder] { recorder.stop(); });
  if (options.seconds > 0) QTimer::singleShot(options.seconds * 1000, &app, [&recorder] { recorder.stop(); });
  reader->start();
  app.exec();
  recorder.stop();
  reader->wait();
  delete reader;
  if (!written) return fail(1, QStringLiteral("cannot write the capture"));
  return 0;
}
