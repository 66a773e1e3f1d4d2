// uhidtablet: makes a tablet described as data appear to the kernel through
// uhid and plays a script of plugs, reports and unplugs on it.
// usage: uhidtablet TABLET_FILE SCRIPT_FILE  (the log goes to standard output)

#include "TabletDescription.h"
#include "TabletEmulator.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: uhidtablet TABLET_FILE SCRIPT_FILE\n");
    return 2;
  }
  TabletDescription description;
  QString error;
  if (!TabletDescription::read(QString::fromLocal8Bit(argv[1]), description, error)) {
    std::fprintf(stderr, "uhidtablet: %s\n", error.toLocal8Bit().constData());
    return 2;
  }
  QFile script(QString::fromLocal8Bit(argv[2]));
  if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "uhidtablet: %s: %s\n", argv[2], script.errorString().toLocal8Bit().constData());
    return 2;
  }
  const QStringList lines = QString::fromUtf8(script.readAll()).split('\n');
  TabletEmulator emulator(description, stdout);
  if (!emulator.run(lines, error)) {
    std::fprintf(stderr, "uhidtablet: %s\n", error.toLocal8Bit().constData());
    std::printf("failed %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  std::printf("done\n");
  return 0;
}
