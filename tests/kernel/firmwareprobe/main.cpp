// firmwareprobe: the driver's firmware controller against a real hidraw
// node in the test guest: reads the versions of the tablet's firmware
// interface, then upgrades it with a generated file through both phases
// (the jump to the boot loader, the transfer after it comes back).
// usage: firmwareprobe DEVTYPE   (prints what happened; exit 0 when flashed)

#include "driver/core/BrowserService.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/PromptService.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/tablet/ModelTable.h"
#include "platform/hid/HidBackend.h"
#include "tests/firmware/FirmwareTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {

constexpr uint16_t kIapUsagePage = 0xFF0C;

bool firmwareInterfacePresent(const ModelEntry& model) {
  for (const platform::HidInterfaceInfo& info : platform::HidBackend::current().enumerate(model.vendorId, model.productId))
    if (info.usagePage == kIapUsagePage && QFile::exists(info.path)) return true;
  return false;
}

// Waits, serving the event loop, until the firmware interface has left and
// come back (the chip restarting).
bool waitForRestart(const ModelEntry& model) {
  QElapsedTimer clock;
  clock.start();
  bool left = false;
  while (clock.elapsed() < 30000) {
    const bool present = firmwareInterfacePresent(model);
    if (!present) left = true;
    if (left && present) return true;
    QCoreApplication::processEvents();
    QThread::msleep(20);
  }
  return false;
}

void say(const QString& text) {
  std::printf("%s\n", text.toUtf8().constData());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const ModelEntry* model = argc == 2 ? ModelTable::byDevType(QString(argv[1]).toInt()) : nullptr;
  if (!model) {
    std::fprintf(stderr, "usage: firmwareprobe DEVTYPE\n");
    return 2;
  }
  const QString path = QDir::temp().filePath("PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin");
  QFile file(path);
  const QByteArray image = fwtest::makeFirmware(fwtest::makePayload(3), 3 * 1024);
  if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size()) return 1;
  file.close();
  PromptService::setHandler([](const PromptService::Prompt& prompt) {
    say("prompt " + prompt.text);
    return PromptService::Answer::Ok;
  });
  FileDialogService::setHandler([&path](const FileDialogService::Request&) { return path; });
  BrowserService::setHandler([](const QString&) { return true; });

  QFirmwareUpgrade firmware;
  int failures = 0;
  QObject::connect(&firmware, &QFirmwareUpgrade::firmwareUpgradeFailed, [&failures] { ++failures; });
  const bool application = firmware.handleArrival(model->devType, QCoreApplication::applicationDirPath());
  say(QStringLiteral("arrival: %1, firmware %2, hardware %3")
          .arg(application ? "application" : "boot loader", firmware.firmwareVer(), firmware.hardWareVer()));
  firmware.startFirmwareUpgrade();
  if (!waitForRestart(*model)) {
    say("the tablet did not restart into its boot loader");
    return 1;
  }
  const bool secondApplication = firmware.handleArrival(model->devType, QCoreApplication::applicationDirPath());
  say(QStringLiteral("second arrival: %1, failures %2").arg(secondApplication ? "application" : "boot loader").arg(failures));
  if (!waitForRestart(*model)) {
    say("the tablet did not restart with its new firmware");
    return 1;
  }
  const bool thirdApplication = firmware.handleArrival(model->devType, QCoreApplication::applicationDirPath());
  say(QStringLiteral("third arrival: %1, firmware %2").arg(thirdApplication ? "application" : "boot loader", firmware.firmwareVer()));
  return failures == 0 && thirdApplication && !secondApplication ? 0 : 1;
}
