// VarnexDriver: reads the connected tablet, or a simulated one when none is
// connected, and sits in the system tray until asked to quit.

#include "driver/app/DisplayCheck.h"
#include "driver/app/DriverOptions.h"
#include "driver/app/DriverSession.h"
#include "driver/app/DriverTray.h"
#include "driver/app/Log.h"
#include "driver/app/TranslationCatalogues.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"
#include "driver/tablet/ModelTable.h"
#include "platform/system/CrashHandler.h"
#include "platform/system/HomeDirectory.h"

#include <QApplication>
#include <QDebug>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
  platform::ensureHomeDirectory();
  if (!DisplayCheck::displayAvailable(argc, argv)) {
    std::fprintf(stderr, "%s\n", DisplayCheck::noDisplayMessage("VarnexDriver").toLocal8Bit().constData());
    return DisplayCheck::kNoDisplayExitCode;
  }
  QApplication::setOrganizationName("varnex");
  QApplication app(argc, argv);
  QApplication::setApplicationName("VarnexDriver");
  // The tray program lives on without any window.
  QApplication::setQuitOnLastWindowClosed(false);

  DriverOptions options;
  QString error;
  if (!DriverOptions::parse(app.arguments().mid(1), options, error)) {
    std::fprintf(stderr, "VarnexDriver: %s\n", error.toLocal8Bit().constData());
    return 2;
  }

  CrashHandler::install();
  installLog("Log", 1024, true);
  initTranslationCatalogues();
  Trans trans(nullptr);
  const QString language = ConfigFile::instance()->getLanguage();
  if (!language.isEmpty()) trans.reTrans(language);
  qInfo().noquote() << "VarnexDriver" << VARNEX_VERSION << "knows" << ModelTable::models().size() << "models";

  DriverSession session;
  const ModelEntry* connected = options.simulate ? nullptr : DriverSession::findConnectedTablet();
  if (connected) {
    session.start(*connected);
  } else {
    const ModelEntry& model = options.simulate ? *options.simulate : *ModelTable::byKey("LarkA");
    if (!options.simulate) qInfo().noquote() << "no tablet connected; simulating a" << model.key;
    session.startSimulated(model);
  }

  DriverTray tray;
  QObject::connect(&tray, &DriverTray::quitRequested, &app, &QCoreApplication::quit);
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &session, &DriverSession::stop);
  if (options.quitAfterMs >= 0) QTimer::singleShot(options.quitAfterMs, &app, &QCoreApplication::quit);
  return app.exec();
}
