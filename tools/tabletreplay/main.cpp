// tabletreplay: feeds captured tablet reports through the driver's device
// path and prints what the system would emit, one line per event.

#include "platform/system/StandardStreams.h"
#include "tools/tabletreplay/ReplayInput.h"
#include "tools/tabletreplay/ReplayOptions.h"
#include "tools/tabletreplay/TabletReplay.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QString& reason) {
  std::fprintf(stderr, "tabletreplay: %s\n", reason.toLocal8Bit().constData());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything opens a file: a closed standard input would otherwise
  // be the number of Qt's next descriptor, and reading it would hang.
  const platform::ClosedStandardStreams closed = platform::occupyClosedStandardStreams();
  if (closed.output) return 1;  // nowhere to write the events (nor, maybe, this)

  // Never the user's settings: every store this run opens lives in a
  // directory of its own that goes when the run ends.
  QTemporaryDir home(QDir::tempPath() + "/tabletreplay-XXXXXX");
  if (!home.isValid()) return fail(QStringLiteral("cannot create a temporary directory"));
  const QByteArray root = home.path().toLocal8Bit();
  setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
  setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
  setenv("XDG_CACHE_HOME", (root + "/cache").constData(), 1);
  if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Only the events belong on the output; the driver's log stays quiet.
  if (!getenv("QT_LOGGING_RULES")) setenv("QT_LOGGING_RULES", "*=false", 1);

  QApplication app(argc, argv);
  QApplication::setOrganizationName("varnex");
  QApplication::setApplicationName("tabletreplay");

  ReplayOptions options;
  QString error;
  if (!ReplayOptions::parse(app.arguments().mid(1), options, error)) return fail(error);
  if (options.help) {
    std::printf("%s\n", ReplayOptions::usage().toLocal8Bit().constData());
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  }
  if (closed.input) return fail(QStringLiteral("standard input is closed; the reports are read from it"));

  TabletReplay replay(options, stdout);
  if (!replay.prepareSettings(error)) return fail(error);

  QFile in;
  if (!in.open(0, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
    return fail(QStringLiteral("cannot read standard input: %1").arg(in.errorString()));
  std::vector<ReplayStep> steps;
  if (!ReplayInput::parse(in, TabletReplay::inputReportLength(), steps, error)) return fail(error);

  return replay.run(steps);
}
