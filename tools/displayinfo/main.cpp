// displayinfo: for users whose pen display lands on the wrong monitor, shows
// the outputs, the monitor names their EDIDs carry and the output the driver
// takes as the pen display.

#include "tools/displayinfo/DisplayInfo.h"

#include "platform/display/DisplayOutputs.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  // Only the report belongs on the output; the driver's log stays quiet.
  if (!getenv("QT_LOGGING_RULES")) setenv("QT_LOGGING_RULES", "*=false", 1);
  QCoreApplication app(argc, argv);

  DisplayInfo::Options options;
  QString error;
  int code = DisplayInfo::parse(app.arguments().mid(1), options, error) ? 0 : 2;
  if (code == 0) {
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    code = DisplayInfo::run(options, out, error);
    // Which source the session gave, so a report of a wrong pen display
    // tells whether the desktop was asked at all.
    if (code == 0 && options.edidFile.isEmpty() && options.outputsFile.isEmpty())
      std::fprintf(stderr, "displayinfo: monitors from %s\n", platform::DisplayOutputs::current().kind());
  }
  if (code != 0) std::fprintf(stderr, "displayinfo: %s\n", error.toLocal8Bit().constData());
  return code;
}
