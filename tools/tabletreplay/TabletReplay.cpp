#include "tools/tabletreplay/TabletReplay.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/SettingsFileCheck.h"
#include "driver/output/DevOperateThread.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/SimulatedTablet.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/system/sim/SimulatedPlatform.h"
#include "tools/tabletreplay/ReplayOutputs.h"
#include "tools/common/PrintableText.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QTimer>

namespace {

constexpr int kSettleTimeoutMs = 5000;
// The Fjord4Pro family's second init report follows the first after 150 ms;
// a little more lets its timer fire.
constexpr int kSecondInitWaitMs = Tablet::kSecondInitDelayMs + 50;

// Lets the window thread's timers and queued calls run for `ms`.
void runEventLoop(int ms) {
  if (ms <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Waits until the worker has taken every queued report and is back waiting
// for the next, i.e. everything sent so far has been handled.
void settle(const platform::SimHidDevice& tablet) {
  QElapsedTimer timer;
  timer.start();
  while (tablet.pendingInput() > 0 && timer.elapsed() < kSettleTimeoutMs) QThread::usleep(200);
  tablet.waitForBlockedReads(1, int(std::max<qint64>(0, kSettleTimeoutMs - timer.elapsed())));
}

bool hasSecondInitReport(int deviceType) {
  return deviceType == MyQmlEnum::CFG_Fjord4Pro || deviceType == MyQmlEnum::CFG_Fjord5pro;
}

}  // namespace

TabletReplay::TabletReplay(const ReplayOptions& options, FILE* out) : m_options(options), m_out(out) {}

int TabletReplay::inputReportLength() { return SimulatedTablet::kInputReportLength; }

bool TabletReplay::prepareSettings(QString& error) {
  ConfigFile* config = ConfigFile::instance();
  const QString target = config->settingsDirectory() + m_options.modelKey + "_config.ini";
  QFile::remove(target);
  if (!m_options.settingsFile.isEmpty()) {
    QFile source(m_options.settingsFile);
    if (!QFileInfo(source).isFile() || !source.open(QIODevice::ReadOnly)) {
      error = QStringLiteral("cannot read the settings file %1").arg(m_options.settingsFile);
      return false;
    }
    source.close();
    // Checked before QSettings reads it: a damaged "@Variant" value would
    // make QSettings decode whatever its bytes name.
    if (!SettingsFileCheck::readable(m_options.settingsFile) ||
        QSettings(m_options.settingsFile, QSettings::IniFormat).status() != QSettings::NoError) {
      error = QStringLiteral("the settings file %1 is not an INI file").arg(m_options.settingsFile);
      return false;
    }
    if (!QFile::copy(m_options.settingsFile, target)) {
      error = QStringLiteral("cannot copy the settings file %1").arg(m_options.settingsFile);
      return false;
    }
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  }
  config->setDeviceConfig(m_options.modelKey, m_options.deviceType);
  return true;
}

int TabletReplay::run(const std::vector<ReplayStep>& steps) {
  ReplayLog log(m_out);
  const platform::SimulatedPlatform world(std::make_unique<PrintingInputInjector>(log),
                                          std::make_unique<PrintingProgramStarter>(log),
                                          std::make_shared<PrintingPenOutput>(log));
  HidDevice::setSearchPauses(0, 0);

  const ModelEntry& model = *ModelTable::byDevType(m_options.deviceType);
  const std::shared_ptr<platform::SimHidDevice> tabletDevice = SimulatedTablet::plugIn(model);
  tabletDevice->setWriteHandler([&log](const platform::SimHidDevice::WrittenReport& written) {
    if (written.kind != platform::SimHidDevice::ReportKind::Output) return;
    log.line(QStringLiteral("init ") + ReplayLog::hex(reinterpret_cast<const uint8_t*>(written.data.constData()),
                                                      written.data.size()));
  });

  QObject firmware;
  firmware.setProperty("firmwareVer", m_options.firmwareVersion);
  int exitCode = 0;
  {
    DevOperateThread device;
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (!device.startReadingDev(m_options.deviceType, &firmware)) {
      std::fprintf(stderr, "tabletreplay: the device did not start\n");
      exitCode = 1;
    } else {
      // Printed on the worker, as it emits them.
      Tablet* tablet = device.tablet();
      QObject::connect(
          tablet, &Tablet::functionHint, tablet,
          [&log](const QString& text) { log.line("hint " + PrintableText::escaped(text)); }, Qt::DirectConnection);
      QObject::connect(
          tablet, &Tablet::showTabletDriver, tablet, [&log] { log.line(QStringLiteral("showdriver")); },
          Qt::DirectConnection);
      QObject::connect(
          tablet, &Tablet::swiveCenterKey, tablet,
          [&log](bool pressed) { log.line(pressed ? QStringLiteral("center 1") : QStringLiteral("center 0")); },
          Qt::DirectConnection);
      QObject::connect(
          &device, &DevOperateThread::s_penInfo, tablet,
          [&log, tablet] {
            const PenState& pen = tablet->penState();
            log.line(QString::asprintf("penstate %d %.6f %.6f %.6f %d %d", pen.code, pen.x, pen.y, pen.pressure,
                                       int(pen.tiltX), int(pen.tiltY)));
          },
          Qt::DirectConnection);

      // What the controller and the window do right after a start.
      ConfigFile* config = ConfigFile::instance();
      config->setRectSize(MyQmlEnum::MaxVirtualTablet, m_options.tabletPreview);
      device.setMapperArea(m_options.screen, m_options.desktop);
      device.setRotationAngle(config->getRotationAngle());
      device.setMouseRate(config->getMouseRate());

      for (const ReplayStep& step : steps) {
        if (step.kind == ReplayStep::Report) {
          tabletDevice->pushInput(step.report);
          continue;
        }
        settle(*tabletDevice);
        runEventLoop(step.waitMs);
      }
      settle(*tabletDevice);
      if (hasSecondInitReport(m_options.deviceType)) runEventLoop(kSecondInitWaitMs - int(sinceStart.elapsed()));
    }
    device.endReadingDev();
  }

  tabletDevice->unregister();
  const QString writeError = log.writeError();
  if (!writeError.isEmpty()) {
    std::fprintf(stderr, "tabletreplay: cannot write the output: %s\n", writeError.toLocal8Bit().constData());
    return 1;
  }
  return exitCode;
}
