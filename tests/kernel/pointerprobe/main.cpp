// pointerprobe FOLDER: one full-screen window per monitor, each writing
// where the pointer is on it to FOLDER/pointer-MONITOR.log, and
// FOLDER/ready once every window is shown.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <memory>
#include <vector>

#include "ScreenProbeWindow.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  if (arguments.size() != 2) {
    fprintf(stderr, "usage: pointerprobe FOLDER\n");
    return 2;
  }
  const QDir folder(arguments.at(1));
  std::vector<std::unique_ptr<ScreenProbeWindow>> windows;
  for (QScreen* screen : app.screens()) {
    windows.push_back(
        std::make_unique<ScreenProbeWindow>(screen, folder.filePath("pointer-" + screen->name() + ".log")));
    windows.back()->showFullScreen();
  }
  QTimer::singleShot(2000, [&folder, &app] {
    QFile ready(folder.filePath("ready"));
    ready.open(QIODevice::WriteOnly);
    for (QScreen* screen : app.screens()) {
      const QRect g = screen->geometry();
      ready.write(QString("%1 %2 %3 %4 %5\n").arg(screen->name()).arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).toUtf8());
    }
  });
  return app.exec();
}
