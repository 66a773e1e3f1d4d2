// tabletreplay: feeds captured tablet reports through the driver's device
// path and prints what the system would emit, one line per event.

#include "tools/tabletreplay/ReplayInput.h"
#include "tools/tabletreplay/ReplayOptions.h"
#include "tools/tabletreplay/TabletReplay.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(const QString& reason) {
  std::fprintf(stderr, "tabletreplay: %s\n", reason.toLocal8Bit().constData());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
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

  TabletReplay replay(options, stdout);
  if (!replay.prepareSettings(error)) return fail(error);

  QTextStream in(stdin);
  in.setCodec("UTF-8");
  std::vector<ReplayStep> steps;
  if (!ReplayInput::parse(in, TabletReplay::inputReportLength(), steps, error)) return fail(error);

  return replay.run(steps);
}
