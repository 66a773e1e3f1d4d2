#include "driver/app/VarnexTablet.h"

#include "driver/app/DeviceNameTable.h"
#include "driver/app/KeySequenceText.h"
#include "driver/app/LegacySettingsFile.h"
#include "driver/app/Log.h"
#include "driver/app/SystemDisplaySettings.h"
#include "driver/app/SystemInfo.h"
#include "driver/app/TranslationCatalogues.h"
#include "driver/core/BrowserService.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/PromptService.h"
#include "driver/core/SettingsNotice.h"
#include "driver/core/Trans.h"
#include "driver/display/DashLine.h"
#include "driver/display/IconProvider.h"
#include "driver/display/ImageProvider.h"
#include "driver/keys/KeyFunctionTable.h"
#include "driver/output/DevOperateThread.h"
#include "driver/tablet/CalibrationWidget.h"
#include "driver/tablet/ModelTable.h"
#include "platform/display/DisplayOutputs.h"
#include "platform/session/ForegroundWatcher.h"
#include "platform/session/WindowRaiser.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <QUrl>
#include <QtConcurrent>

Q_LOGGING_CATEGORY(lcController, "varnex.app.controller")

namespace {

const char* const kMainQml = "qrc:/Qml/main.qml";
const char* const kChineseLanguage = "中文";

// Display orientations of the monitor: 0°, 90°, 180° and 270°.
int orientationOf(int angle) {
  switch (angle) {
    case 90: return 1;
    case 180: return 2;
    case 270: return 3;
    default: return 0;
  }
}

}  // namespace

VarnexTablet::VarnexTablet(QObject* parent) : QObject(parent) {
  new SettingsNotice(ConfigFile::instance(), this);
  m_devOperateThread = new DevOperateThread(this);
  setupQmlEngine();

  connect(&m_detection, &DetectionDevice::s_devTypeAndState, this, &VarnexTablet::onDevArrivalOrRemove);
  connect(&m_screenInfo, &ScreenInfo::realScreenRect, m_devOperateThread,
          QOverload<QRect, QRect>::of(&DevOperateThread::setMapperArea));
  connect(&m_screenInfo, &ScreenInfo::realScreenRect, m_devOperateThread,
          [this](const QRect& screenRect, const QRect&) {
            QRect hintArea = screenRect;
            m_devOperateThread->moveHintTextPos(hintArea);
          });
  connect(&m_screenInfo, &ScreenInfo::realScreenRect, this, &VarnexTablet::tellWhenTheScreenAreaSpansMonitors);

  m_detection.scanDevices();

  connect(&m_detection, &DetectionDevice::s_showTablet, m_devOperateThread, &DevOperateThread::showTabletDriver);
  connect(&m_detection, &DetectionDevice::s_systemState, this, &VarnexTablet::onSystemState);
  connect(m_devOperateThread, &DevOperateThread::swiveCenterKey, this, &VarnexTablet::onSwiveCenterKey);
  connect(&m_processInfo, &ProcessInfo::s_currentProcessName, this, &VarnexTablet::onCurrentProcessName);
  connect(ConfigFile::instance(), &ConfigFile::programAdded, this, &VarnexTablet::tellWhatProgramKeysNeed,
          Qt::QueuedConnection);

  m_longPressTimer = new QTimer(this);
  m_longPressTimer->setSingleShot(true);
  connect(m_longPressTimer, &QTimer::timeout, this, [this] {
    m_longPressTimer->stop();
    emit longPressCenterKey(m_devType);
  });
}

VarnexTablet::~VarnexTablet() {
  // The window goes first: its bindings read the context objects, which are
  // members destroyed before the engine, and would otherwise be evaluated
  // against objects already gone.
  const QList<QObject*> windows = m_engine.rootObjects();
  qDeleteAll(windows);
  m_processInfo.requestInterruption();
  m_processInfo.quit();
  m_processInfo.wait();
  // The device thread joins its worker and lets go of the virtual devices
  // and held keys before anything it may still reach goes away. The event
  // loop has ended, so a deleteLater() would never run.
  delete m_devOperateThread;
  m_devOperateThread = nullptr;
  delete m_calibrationWidget;
  m_calibrationWidget = nullptr;
  m_sysInfoTask.waitForFinished();
}

void VarnexTablet::setupQmlEngine() {
  qmlRegisterType<DashLine>("line.dashLine", 1, 0, "DashLine");
  MyQmlEnum::registerMyQmlEnum();
  m_engine.addImportPath(QStringLiteral("qrc:///"));

  QQmlContext* context = m_engine.rootContext();
  context->setContextProperty(QStringLiteral("TesselQuickImagePath"), QStringLiteral("qrc:/TesselQuick/Images/"));
  context->setContextProperty(QStringLiteral("imgPath"), QStringLiteral("qrc:/Image/"));
  context->setContextProperty(QStringLiteral("qmlPath"), QStringLiteral("qrc:/Qml/"));

  initTranslationCatalogues();
  m_trans = new Trans(&m_engine, this);
  connect(m_trans, &Trans::currentLanguageChanged, this, &VarnexTablet::onLanguageChanged);
  // The stored language counts before the window is there: the hint popup
  // and the message boxes speak it too, and the links follow it.
  const QString language = ConfigFile::instance()->getLanguage();
  if (!language.isEmpty()) m_trans->reTrans(language);
  onLanguageChanged(m_trans->currentLanguage());
  context->setContextProperty(QStringLiteral("trans"), m_trans);

  context->setContextProperty(QStringLiteral("screenInfo"), &m_screenInfo);
  m_engine.addImageProvider(QStringLiteral("screenImage"), m_screenInfo.takeScreenImageProvider());
  m_engine.addImageProvider(QStringLiteral("progamIcon"), new IconProvider);

  context->setContextProperty(QStringLiteral("configFile"), ConfigFile::instance());
  context->setContextProperty(QStringLiteral("OperateDev"), m_devOperateThread);
  context->setContextProperty(QStringLiteral("VarnextTablet"), this);
  context->setContextProperty(QStringLiteral("ProcessInfo"), &m_processInfo);
  context->setContextProperty(QStringLiteral("FirmwareInfo"), &m_firmwareUpgrade);

  const QUrl mainQml(QString::fromLatin1(kMainQml));
  if (!QFileInfo::exists(QLatin1Char(':') + mainQml.path())) {
    qCWarning(lcController).noquote() << "the settings window" << mainQml.toString()
                                      << "is not in the resources; running without it";
    return;
  }
  m_engine.load(mainQml);
  if (m_engine.rootObjects().isEmpty())
    qCWarning(lcController).noquote() << "the settings window" << mainQml.toString() << "failed to load";
}

void VarnexTablet::onLanguageChanged(const QString& language) {
  ConfigFile::instance()->loadUrlSet(language == QString::fromUtf8(kChineseLanguage));
}

QVariantMap VarnexTablet::sysInfo() const {
  QMutexLocker locker(&m_sysInfoLock);
  return m_sysInfo;
}

void VarnexTablet::getDevName(int devType, bool isArrival, QString& devName, QString& devModel) {
  if (!isArrival) return;
  const DeviceNameTable::Names* names = DeviceNameTable::namesOf(devType);
  if (!names) return;
  devName = QString::fromUtf8(names->devName);
  if (names->devModel) devModel = QString::fromUtf8(names->devModel);
}

void VarnexTablet::onDevArrivalOrRemove(MyQmlEnum::VARNEX devType, bool isArrival) {
  qCDebug(lcController) << "devType:" << devType << " isDevArrival:" << isArrival;
  const quint64 event = ++m_plugEvents;
  m_devType = devType;
  m_isConnected = isArrival;

  if (!isArrival) {
    m_devName.clear();
    // A long press begun on the tablet that left would show its keys later.
    if (m_longPressTimer) m_longPressTimer->stop();
    m_devOperateThread->endReadingDev();
    m_processInfo.requestInterruption();
    // The firmware interface belongs to the tablet that left; one kept open
    // (a boot loader whose upgrade was not started) would answer for the next.
    if (m_firmwareUpgrade.iapDevice()) m_firmwareUpgrade.closeIapDevicePort();
    if (m_calibrationWidget) {
      m_calibrationWidget->deleteLater();
      m_calibrationWidget = nullptr;
    }
  } else if (!startDevice(devType, event)) {
    // Not opened (boot loader, or the device path refused): nothing is left
    // half open, and the window is not told of a tablet it cannot use. A
    // removal or arrival handled while this one waited on the user (the
    // boot loader's prompts) has set the state already.
    if (event == m_plugEvents) m_isConnected = false;
    return;
  }
  emit devStateChanged(isArrival, devType);
}

bool VarnexTablet::startDevice(MyQmlEnum::VARNEX devType, quint64 event) {
  getDevName(devType, true, m_devName, m_devModel);
  ConfigFile* config = ConfigFile::instance();
  if (const ModelEntry* model = ModelTable::byDevType(devType))
    LegacySettingsFile::moveToDisplayName(config->settingsDirectory(), QLatin1String(model->key), m_devName);
  config->setDeviceConfig(m_devName, devType);
  m_displayMonitorDevice.setDevType(devType);
  m_screenInfo.setDevType(devType);

  if (!MyQmlEnum::isPenDisplay(devType) &&
      !m_firmwareUpgrade.handleArrival(devType, QCoreApplication::applicationDirPath())) {
    // A tablet in its boot loader is finishing a firmware upgrade; it comes
    // back as a tablet when that is done.
    return false;
  }
  // The firmware's prompts wait on the user with events running: a replug
  // meanwhile has been handled on its own, and this arrival is over.
  if (event != m_plugEvents) return false;

  m_sysInfoTask.waitForFinished();
  m_sysInfoTask = QtConcurrent::run([this] { setSysInfo(); });

  if (!m_devOperateThread->startReadingDev(devType, &m_firmwareUpgrade)) {
    // The device thread's message waits on the user too; what arrived
    // meanwhile is not ours to close.
    if (event == m_plugEvents) m_devOperateThread->endReadingDev();
    return false;
  }
  applyStoredSettings();
  m_processInfo.start(QThread::InheritPriority);
  // After the arrival, which the message would otherwise hold up.
  QTimer::singleShot(0, this, &VarnexTablet::tellWhatProgramKeysNeed);
  return true;
}

void VarnexTablet::applyStoredSettings() {
  ConfigFile* config = ConfigFile::instance();
  // The tablet selection is stored relative to the settings window's picture
  // of the tablet, which the window reports when it shows. Until then a
  // picture the size of the screen picture stands in; the store's placeholder
  // of one unit would put every pen position in the screen's corner.
  if (config->getRectSize(MyQmlEnum::MaxVirtualTablet).width() <= 1)
    config->setRectSize(MyQmlEnum::MaxVirtualTablet, config->getRectSize(MyQmlEnum::MaxVirtualScreen));
  m_devOperateThread->setHideHint(config->getHideHint());
  m_devOperateThread->setRotationAngle(config->getRotationAngle());
  turnMonitorToStoredRotation(config->getRotationAngle());
  m_devOperateThread->setRelativeModel(config->getCoordinateModel() == MyQmlEnum::Aelatively);
  m_devOperateThread->setMouseRate(config->getMouseRate());
  m_devOperateThread->setPressureCurvePoint(config->getPenPressedCurvePoint(MyQmlEnum::TopPoint),
                                            config->getPenPressedCurvePoint(MyQmlEnum::MidPoint),
                                            config->getPenPressedCurvePoint(MyQmlEnum::BottomPoint));
  // The chosen screen: its rectangle reaches the mapper and the hint popup
  // through realScreenRect.
  const QVariantList screens = m_screenInfo.screenNameList();
  const int screenIndex = config->getComboxIndex(MyQmlEnum::ScreenCombox);
  m_screenInfo.setGrabScreenRect(screenIndex >= 0 && screenIndex < screens.size() ? screens[screenIndex].toString()
                                                                                   : QString());
}

void VarnexTablet::turnMonitorToStoredRotation(int angle) {
  if (!MyQmlEnum::isPenDisplay(m_devType)) return;
  // The desktop keeps its own layout across sessions and may have shown the
  // monitor upright again while the pen is mapped turned.
  const QString output = m_displayMonitorDevice.findPenDisplayDevice();
  const int orientation = orientationOf(angle);
  if (output.isEmpty() || m_displayMonitorDevice.monitorOrientation(output) == orientation) return;
  qCInfo(lcController) << "turning" << output << "to the stored rotation" << angle;
  m_displayMonitorDevice.rotateMonitor(output, orientation);
  m_screenInfo.refreshScreenRectLater();
}

void VarnexTablet::onSystemState(DetectionDevice::SyStemState state) {
  if (state == DetectionDevice::SystemResumed) {
    qCDebug(lcController) << "wakeUp  scanningDevice";
    m_detection.scanDevices();
    return;
  }
  qCDebug(lcController) << "Dormant  close Dev";
  if (m_isConnected) onDevArrivalOrRemove(m_devType, false);
}

void VarnexTablet::onSwiveCenterKey(bool isPressed) {
  if (isPressed) {
    m_longPressTimer->start(kLongPressMs);
  } else if (m_longPressTimer->isActive()) {
    m_longPressTimer->stop();
  }
}

void VarnexTablet::onCurrentProcessName(QString name) {
  const bool krita = name.compare(QLatin1String("krita"), Qt::CaseInsensitive) == 0 ||
                     name == QLatin1String("flatpak:org.kde.krita") || name == QLatin1String("snap:krita");
  KeyFunctionTable::setCanvasZoomInShortcut(krita
                                                ? QStringLiteral("[Ctrl]+[Plus]")
                                                : QStringLiteral("[Ctrl]+[=]"));
}

QString VarnexTablet::keyToString(int key) { return keySequenceText(key); }

QString VarnexTablet::getSoftVersion() {
  return QString::asprintf("%d.%d.%d.%d", VARNEX_VERSION_MAJOR, VARNEX_VERSION_MINOR, VARNEX_VERSION_PATCH,
                           VARNEX_VERSION_TWEAK);
}

void VarnexTablet::rereadConfig() { emit devStateChanged(true, m_devType); }

void VarnexTablet::calibration() {
  if (!m_calibrationWidget) {
    m_calibrationWidget = new CalibrationWidget;
    connect(m_calibrationWidget, &CalibrationWidget::s_clickCalibration, m_devOperateThread,
            &DevOperateThread::onClickCalibrationPoint);
  }
  m_displayMonitorDevice.DisplayMonitorDeviceDataUpdate();
  const QString output = m_displayMonitorDevice.findPenDisplayDevice();
  if (!output.isEmpty()) {
    QRect rect = m_displayMonitorDevice.monitorRect(output);
    m_devOperateThread->calculateCalibrationPointScreenPos(rect);
    m_calibrationWidget->move(rect.topLeft());
    // Wayland compositors place windows themselves: a full-screen window goes
    // to the screen it is given, not to where it was moved.
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen->geometry() != rect) continue;
      m_calibrationWidget->createWinId();
      if (m_calibrationWidget->windowHandle()) m_calibrationWidget->windowHandle()->setScreen(screen);
      break;
    }
  } else {
    QRect primary = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    m_devOperateThread->calculateCalibrationPointScreenPos(primary);
  }
  m_calibrationWidget->showFullScreen();
  m_calibrationWidget->startCalibration();
}

void VarnexTablet::setRotationAngle(int angle) {
  m_devOperateThread->setRotationAngle(angle);
  if (!MyQmlEnum::isPenDisplay(m_devType)) return;
  const int orientation = orientationOf(angle);
  const QString output = m_displayMonitorDevice.findPenDisplayDevice();
  qCDebug(lcController) << "digitalScreenName:" << output;
  const bool turned =
      !output.isEmpty() && m_displayMonitorDevice.rotateMonitor(output, orientation) == platform::DisplayChangeSuccessful;
  if (turned) {
    // The window calls this only for a rotation the user picks (it never
    // sets the stored one on loading), so every call, the first too, brings
    // the drawing program back.
    platform::WindowRaiser::current().raiseWindowOfClass(QString::fromLatin1(kRaisedAfterRotation));
  } else if (!m_toldMonitorCannotTurn) {
    // Desktops that tell us nothing of their monitors, or refuse to turn
    // them: the mapping is turned, the monitor is the user's to turn.
    m_toldMonitorCannotTurn = true;
    PromptService::Prompt prompt;
    prompt.title = tr("旋转显示器");
    prompt.text = tr("此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。");
    PromptService::ask(prompt);
  }
  m_screenInfo.refreshScreenRectLater();
}

void VarnexTablet::tellWhatProgramKeysNeed() {
  if (m_toldWhatProgramKeysNeed || ConfigFile::instance()->getProgramList().isEmpty()) return;
  if (platform::ForegroundWatcher::helpNeeded() != platform::ForegroundHelp::EnableGnomeExtension) return;
  m_toldWhatProgramKeysNeed = true;
  PromptService::Prompt prompt;
  prompt.title = tr("按程序设置的按键");
  prompt.text = tr("GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。"
                   "请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。")
                    .arg(QLatin1String(platform::kGnomeForegroundExtension));
  PromptService::ask(prompt);
}

void VarnexTablet::tellWhenTheScreenAreaSpansMonitors(const QRect& screenRect) {
  if (m_toldScreenAreaSpansMonitors) return;
  platform::DisplayOutputs& displays = platform::DisplayOutputs::current();
  if (displays.spansPenAcrossOutputs()) return;
  int covered = 0;
  for (const platform::DisplayOutput& output : displays.outputs())
    if (output.rect.intersects(screenRect)) ++covered;
  if (covered < 2) return;
  m_toldScreenAreaSpansMonitors = true;
  PromptService::Prompt prompt;
  prompt.title = tr("全部屏幕");
  prompt.text = tr("此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。");
  PromptService::ask(prompt);
}

QString VarnexTablet::findDigitalScreenName() {
  const QString output = m_displayMonitorDevice.findPenDisplayDevice();
  if (output.isEmpty()) return QString();
  return output.mid(output.lastIndexOf(QLatin1Char('\\')) + 1);
}

void VarnexTablet::showSystemScreenSet() { SystemDisplaySettings::open(); }

bool VarnexTablet::winVerIsGreaterWin10() { return SystemDisplaySettings::isAvailable(); }

void VarnexTablet::setSysInfo() {
  {
    QMutexLocker locker(&m_sysInfoLock);
    m_sysInfo.clear();
  }
  const QVariantMap info = SystemInfo::read();
  {
    QMutexLocker locker(&m_sysInfoLock);
    m_sysInfo = info;
  }
  emit sysInfoChanged(info);
}

void VarnexTablet::openLogDir() {
  // The directory the log pages are in; on Linux the configuration location
  // holds no log.
  QString directory = logDirectory();
  if (directory.isEmpty()) directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  BrowserService::open(QUrl::fromLocalFile(directory).toString());
}
