#include "driver/output/DevOperateThread.h"

#include "driver/keys/ShortcutInjector.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/PromptService.h"
#include "driver/keys/HintWidget.h"
#include "driver/keys/ShortcutInjector.h"
#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/DevInfo.h"
#include "driver/tablet/DevInfoFactor.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/Tablet.h"
#include "platform/system/CrashHandler.h"
#include "platform/virtualpen/VirtualPen.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QScreen>

Q_LOGGING_CATEGORY(lcDevThread, "varnex.devthread")

namespace {
constexpr int kPenLinkType = 2;
constexpr int kModeLinkType = 3;
// After a read that failed for no known reason, the worker waits this long
// before the next one, so that a device in a bad state cannot spin a core.
constexpr unsigned long kFailedReadPauseMs = 5;
constexpr unsigned long kStopRetryMs = 20;
}  // namespace

DevOperateThread::DevOperateThread(QObject* parent) : QThread(parent), m_hintWidget(new HintWidget) {}

DevOperateThread::~DevOperateThread() {
  endReadingDev();
  delete m_hintWidget;
}

bool DevOperateThread::openLinks() {
  if (!m_digitizerLink) m_digitizerLink = std::make_unique<VMulti>(kPenLinkType);
  if (!m_controlLink) m_controlLink = std::make_unique<VMulti>(kModeLinkType);
  if (m_digitizerLink->isOpen() && m_controlLink->isOpen()) return true;

  PromptService::Prompt prompt;
  prompt.icon = PromptService::Icon::Information;
  prompt.text = QStringLiteral("  打开虚拟设备失败           ");
  // The catalogues know the text with its lone quote after %1; an opening
  // quote put in front of the link makes the markup a properly quoted href
  // (unquoted, the closing quote would become part of the address).
  const QString link = ConfigFile::instance()->getUrl(MyQmlEnum::EopenVirtualDevError);
  prompt.informativeText = tr("<a href=%1\">点击查看详细解决方法").arg(QLatin1Char('"') + link);
  prompt.buttons = PromptService::Prompt::Buttons::Ok;
  // Confirming gives up; closing the box otherwise goes on without the
  // virtual pen, whose writes are then dropped.
  return PromptService::ask(prompt) != PromptService::Answer::Ok;
}

bool DevOperateThread::startReadingDev(int deviceType, QObject* firmwareSource) {
  emit showTabletDriver();
  // A start while the worker runs would re-run the script under its feet.
  stopWorker();

  // The virtual pen is a direct-input device for pen displays and a pointer
  // device for tablets, and its coordinates span the whole desktop: make the
  // one this model and this desktop need before looking for it.
  const QScreen* primary = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
  platform::VirtualPen::prepare(MyQmlEnum::isPenDisplay(deviceType),
                                primary ? primary->virtualGeometry().size() : QSize());
  if (!openLinks()) return false;

  m_devInfo.reset(DevInfoFactor().create(deviceType));
  if (!m_commandHandler) {
    m_commandHandler = std::make_unique<CommandHandler>();
    m_commandHandler->RegisterCommands();
  }
  if (m_devInfo) m_commandHandler->RunScript(m_devInfo->script());

  m_tablet = m_commandHandler->tablet();
  if (!m_tablet) {
    qCDebug(lcDevThread) << "====error===m_tablet=NULL";
    return false;
  }

  if (deviceType == MyQmlEnum::CFG_MesaB && firmwareSource &&
      firmwareSource->property("firmwareVer").toString() == QLatin1String(ModelTable::kMesaBWideFirmware)) {
    m_tablet->settings.maxX = ModelTable::kMesaBWideMaxX;
    m_tablet->settings.maxY = ModelTable::kMesaBWideMaxY;
  }

  {
    QMutexLocker locker(&m_lastPenLock);
    m_lastPen = QPointF();
  }

  // The tablet survives a second start; UniqueConnection keeps one of each.
  // The relays are direct: this object's own signal is then emitted on the
  // worker and queued only to receivers that exist, instead of every report
  // posting an event to this object first.
  connect(m_tablet, &Tablet::functionHint, m_hintWidget, &HintWidget::showHint, Qt::UniqueConnection);
  connect(m_tablet, &Tablet::showTabletDriver, this, &DevOperateThread::showTabletDriver,
          Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
  connect(m_tablet, &Tablet::swiveCenterKey, this, &DevOperateThread::swiveCenterKey,
          Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));

  m_screenMapper = m_commandHandler->screenMapper();
  if (!m_screenMapper) {
    qCDebug(lcDevThread) << "====error===m_screenMapper=NULL";
    return false;
  }

  m_screenMapper->setDeviceType(deviceType);
  // Until the window names this tablet's screen (which waits on the desktop),
  // its pen maps onto the monitor chosen last, not into a corner.
  m_screenMapper->setMapperArea();
  m_tablet->start(deviceType);

  // Running the script again made a new mapper; a digitizer still mapping
  // with the old one would ignore every later change of the areas.
  if (m_digitizer && m_digitizer->screenMapper() != m_screenMapper) m_digitizer.reset();
  if (!m_digitizer) {
    m_digitizer = std::make_unique<VMultiDigitizer>(m_digitizerLink.get(), m_screenMapper, deviceType);
    connect(m_digitizer.get(), &VMultiDigitizer::s_pressureValue, this, &DevOperateThread::s_pressureValue,
            Qt::DirectConnection);
  }

  m_commandHandler->outputMode = CommandHandler::Digitizer;
  setWinLnk(ConfigFile::instance()->getWinLnk());

  start(QThread::InheritPriority);
  return true;
}

void DevOperateThread::run() {
  CrashHandler::prepareThread();
  Tablet* const tablet = m_tablet;
  VMultiDigitizer* const digitizer = m_digitizer.get();
  bool firstRead = true;
  while (!isInterruptionRequested()) {
    const int result = tablet->readReport(firstRead);
    firstRead = false;
    if (result == Tablet::PenReport) {
      const RawReport& report = tablet->report();
      const PenState& pen = tablet->penState();
      {
        QMutexLocker locker(&m_lastPenLock);
        m_lastPen = QPointF(pen.x, pen.y);
      }
      emit s_penInfo(int(report.x), report.y, report.tiltX, report.tiltY, report.pressure);
      digitizer->sendPen(pen);
      continue;
    }
    if (result != Tablet::NothingRead || isInterruptionRequested()) continue;
    // An unplugged tablet fails every read at once and for good: leave, and
    // let device removal stop the rest.
    HidDevice* hid = tablet->hid();
    if (!hid || hid->gone()) {
      qCWarning(lcDevThread) << "the tablet is gone; the read loop stops";
      break;
    }
    QThread::msleep(kFailedReadPauseMs);
  }
  qCDebug(lcDevThread) << "----------dushebei xiancheng jieshu ";
}

void DevOperateThread::stopWorker() {
  if (isRunning()) {
    requestInterruption();
    // The worker may wait in a read that only a report would end; wake it.
    // A cancel ends only the read in flight, and the worker may be between
    // its check of the request and its next read: cancel again until it ends.
    HidDevice* hid = m_tablet ? m_tablet->hid() : nullptr;
    do {
      if (hid) hid->cancelRead();
    } while (!wait(kStopRetryMs));
  }
  // Also after a worker that ended by itself (tablet unplugged mid-stroke):
  // no key stays pressed, and a pen whose tablet has gone leaves the range
  // instead of drawing on with nobody holding it.
  ShortcutInjector::releaseEverythingHeld();
  HidDevice* hid = m_tablet ? m_tablet->hid() : nullptr;
  if (m_digitizer && hid && hid->gone()) m_digitizer->releasePen();
}

void DevOperateThread::endReadingDev() {
  stopWorker();
  m_digitizerLink.reset();
  m_controlLink.reset();
  m_devInfo.reset();
  m_digitizer.reset();
  m_commandHandler.reset();
  m_tablet = nullptr;
  m_screenMapper.reset();
  qCDebug(lcDevThread) << "endReadingDev ";
}

void DevOperateThread::setWinLnk(bool isWinLnk) {
  if (!m_controlLink) return;
  m_controlLink->writeModeReport(isWinLnk);
  if (m_digitizer) m_digitizer->setWinLnk(isWinLnk);
}

void DevOperateThread::setPressureCurvePoint(QPointF topPoint, QPointF midPoint, QPointF bottomPoint) {
  if (m_digitizer) m_digitizer->setPressureCurvePoint(topPoint, midPoint, bottomPoint);
}

void DevOperateThread::setMapperArea(QRect screenRect, QRect allScreenRect) {
  if (m_screenMapper) m_screenMapper->setMapperArea(screenRect, allScreenRect);
}

void DevOperateThread::setRotationAngle(int angle) {
  if (m_screenMapper) m_screenMapper->setRotationAngle(angle);
}

void DevOperateThread::setRelativeModel(bool isRelative) {
  if (m_digitizer) m_digitizer->setRelativeModel(isRelative);
}

void DevOperateThread::setMouseRate(double value) {
  if (m_digitizer) m_digitizer->setMouseRate(value);
}

void DevOperateThread::setHideHint(bool isHideHint) { m_hintWidget->setHideHint(isHideHint); }

double DevOperateThread::getTableSize(int type) {
  if (!m_tablet) return 0.0;
  if (type == MyQmlEnum::Width) return m_tablet->settings.width;
  if (type == MyQmlEnum::Height) return m_tablet->settings.height;
  return 0.0;
}

void DevOperateThread::onClickCalibrationPoint(int id) {
  if (!m_digitizer || !m_tablet || !m_screenMapper) return;
  QPointF pen;
  {
    QMutexLocker locker(&m_lastPenLock);
    pen = m_lastPen;
  }
  m_screenMapper->onClickCalibrationPoint(id, pen.x(), pen.y());
}

void DevOperateThread::calculateCalibrationPointScreenPos(QRect& screenRect) {
  if (m_screenMapper) m_screenMapper->calculateCalibrationPointScreenPos(screenRect);
}

void DevOperateThread::setDefalutCalibration() {
  if (m_screenMapper) m_screenMapper->setDefalutCalibration();
}

void DevOperateThread::moveHintTextPos(QRect& pos) { m_hintWidget->moveHintTextPos(pos); }
