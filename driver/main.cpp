// VarnexDriver: the tray program that runs the connected tablet, with its
// settings window.

#include "driver/app/DisplayCheck.h"
#include "driver/app/DriverOptions.h"
#include "driver/app/Log.h"
#include "driver/app/SceneGraphBackend.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/app/VarnexTablet.h"
#include "driver/tablet/ModelTable.h"
#include "platform/session/SingleInstance.h"
#include "platform/system/CrashHandler.h"
#include "platform/system/HomeDirectory.h"
#include "platform/system/LargeBuffers.h"
#include "platform/system/TerminationSignals.h"

#include <QApplication>
#include <QByteArray>
#include <QDebug>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The program name and the arguments that are not ours, as the application
// object takes them; the storage must outlive it.
struct PassedOnArguments {
  std::vector<QByteArray> storage;
  std::vector<char*> pointers;
  int count = 0;

  PassedOnArguments(const char* program, const QStringList& arguments) {
    storage.emplace_back(program);
    for (const QString& argument : arguments) storage.push_back(argument.toLocal8Bit());
    for (QByteArray& argument : storage) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    count = int(storage.size());
  }
};

// The instance lock cannot be taken and nobody answers behind it: better no
// driver than two on one tablet (EX_CANTCREAT of sysexits).
constexpr int kInstanceUnavailableExitCode = 73;

}  // namespace

int main(int argc, char** argv) {
  // A logout or Ctrl+C while the driver is still starting is kept and acted
  // on once the event loop runs, so the driver ends as cleanly as later on.
  platform::TerminationSignals::catchEarly();
  platform::ensureHomeDirectory();
  QApplication::setOrganizationName("varnex");

  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  DriverOptions options;
  QString error;
  if (!DriverOptions::parse(arguments, options, error)) {
    std::fprintf(stderr, "VarnexDriver: %s\n", error.toLocal8Bit().constData());
    return 2;
  }

  // One driver per user: a later start asks the running one to show its
  // window and ends, before it makes an application object or a log line.
  platform::SingleInstance instance(QStringLiteral("VarnexDriver"));
  switch (instance.claim()) {
    case platform::SingleInstance::Claim::First: break;
    case platform::SingleInstance::Claim::Second: return 0;
    case platform::SingleInstance::Claim::Unavailable:
      std::fprintf(stderr, "VarnexDriver: %s; not starting, so that two drivers never share one tablet\n",
                   instance.problem().toLocal8Bit().constData());
      return kInstanceUnavailableExitCode;
  }

  // Checked once we hold the instance, so a start from a terminal without a
  // display still brings a running driver's window up. Returning lets go of
  // the instance.
  QString noDisplay;
  if (!DisplayCheck::displayAvailable(argc, argv, &noDisplay)) {
    std::fprintf(stderr, "%s\n", DisplayCheck::noDisplayMessage("VarnexDriver", noDisplay).toLocal8Bit().constData());
    return DisplayCheck::kNoDisplayExitCode;
  }

  platform::returnLargeBuffersToTheSystem();
  PassedOnArguments passedOn(argv[0], options.passedOn);
  QApplication app(passedOn.count, passedOn.pointers.data());
  // The settings window hides when closed; the tray program lives on.
  QApplication::setQuitOnLastWindowClosed(false);

  CrashHandler::install();
  installLog("Log", 1024, true);
  qDebug().noquote() << QStringLiteral("%1:%2").arg(QLatin1String(__FILE__)).arg(__LINE__)
                     << "================progress start================";

  SceneGraphBackend::chooseForThisMachine();

  // A logout, `systemctl --user stop` or Ctrl+C ends the loop like the tray's
  // quit, so the device path stops and the virtual devices go away in order.
  // A request that came during start-up may be acted on by an event loop
  // the controller runs while it builds, which ends that loop only: then
  // the main loop is not entered at all.
  platform::TerminationSignals termination;
  bool endRequested = false;
  QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &app, [&endRequested] {
    endRequested = true;
    QCoreApplication::quit();
  });

  // The simulated machine must exist before the controller looks for a tablet.
  std::unique_ptr<SimulatedWorld> world;
  if (options.simulate) {
    qInfo().noquote() << "simulating a" << options.simulate->key << "on a simulated platform";
    world = std::make_unique<SimulatedWorld>(*options.simulate);
  }

  int result = 0;
  {
    VarnexTablet controller;
    const bool published = instance.publish([&controller](quint32 dwData, const QByteArray& data) {
      return controller.detection().copyData(dwData, data);
    });
    if (published) qInfo() << "hand-over point published";
    // VARNEX_SIMULATE_IDLE: the simulated tablet stays connected but sends
    // nothing, as a tablet lying on the desk; for measuring what the driver
    // costs while the user does not draw.
    if (world) {
      if (qEnvironmentVariableIsSet("VARNEX_SIMULATE_IDLE"))
        world->start(0, 0);
      else
        world->start();
    }
    if (options.quitAfterMs >= 0) QTimer::singleShot(options.quitAfterMs, &app, &QCoreApplication::quit);
    if (!endRequested) result = app.exec();
    if (world) world->stop();
  }
  if (world) world->logSummary();
  qInfo() << "VarnexDriver ends with" << result;
  return result;
}
