#include "WindowHarness.h"

#include "driver/app/DeviceNameTable.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/app/TranslationCatalogues.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"
#include "driver/display/DashLine.h"
#include "driver/display/IconProvider.h"
#include "driver/firmware/sim/SimIapDevice.h"
#include "driver/tablet/ModelTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QThread>

WindowHarness::WindowHarness() : m_config(ConfigFile::instance()) {
  initTranslationCatalogues();
  qmlRegisterType<DashLine>("line.dashLine", 1, 0, "DashLine");
  m_engine.addImportPath(QStringLiteral("qrc:///"));
  QQmlContext* context = m_engine.rootContext();
  context->setContextProperty("TesselQuickImagePath", QStringLiteral("qrc:/TesselQuick/Images/"));
  context->setContextProperty("imgPath", QStringLiteral("qrc:/Image/"));
  context->setContextProperty("qmlPath", QStringLiteral("qrc:/Qml/"));
  m_trans = new Trans(&m_engine, &m_tablet, QStringLiteral(":/i18n"), QStringLiteral("zh_CN"));
  context->setContextProperty("trans", m_trans);
  context->setContextProperty("screenInfo", &m_screens);
  m_engine.addImageProvider("screenImage", new FakeScreenImageProvider);
  context->setContextProperty("configFile", m_config);
  context->setContextProperty("OperateDev", &m_operateDev);
  context->setContextProperty("VarnextTablet", &m_tablet);
  context->setContextProperty("ProcessInfo", &m_processes);
  m_engine.addImageProvider("progamIcon", new IconProvider);
  context->setContextProperty("FirmwareInfo", &m_firmware);
  QObject::connect(&m_engine, &QQmlApplicationEngine::warnings, [this](const QList<QQmlError>& warnings) {
    for (const QQmlError& warning : warnings) errors += warning.toString() + "\n";
  });
}

WindowHarness::~WindowHarness() {
  leave();
  // The window goes before the objects it binds to.
  const auto roots = m_engine.rootObjects();
  for (QObject* root : roots) delete root;
}

void WindowHarness::useProcessInfo(QObject* processInfo) {
  m_engine.rootContext()->setContextProperty("ProcessInfo", processInfo);
}

bool WindowHarness::load() {
  m_engine.load(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
  if (m_engine.rootObjects().isEmpty()) return false;
  settle(20);
  return errors.isEmpty();
}

bool WindowHarness::showFresh() {
  const QString settings = m_config->settingsDirectory();
  QDir(settings).removeRecursively();
  QDir().mkpath(settings);
  if (!load()) return false;
  window()->show();
  QElapsedTimer waited;
  waited.start();
  while (!window()->isExposed() && waited.elapsed() < 5000) settle(10);
  if (!window()->isExposed()) return false;
  // An earlier test of the process may have chosen another language.
  m_trans->reTrans(QStringLiteral("中文"));
  settle(10);
  return true;
}

QString WindowHarness::devName(int devType) {
  const DeviceNameTable::Names* names = DeviceNameTable::namesOf(devType);
  return names ? QString::fromUtf8(names->devName) : QString();
}

bool WindowHarness::arrive(int devType) {
  leave();
  const ModelEntry* model = ModelTable::byDevType(devType);
  if (!model) return false;
  // One simulated machine at a time: the last goes before the next comes.
  m_world.reset();
  m_world = std::make_unique<SimulatedWorld>(*model);
  m_config->setDeviceConfig(devName(devType), devType);
  if (!MyQmlEnum::isPenDisplay(devType) && !m_firmware.handleArrival(devType, QCoreApplication::applicationDirPath()))
    return false;
  if (!m_device.startReadingDev(devType, &m_firmware)) return false;
  m_devType = devType;
  m_tablet.currentDevType = devType;
  // A pen display keeps the product code of the tablet before it.
  const DeviceNameTable::Names* names = DeviceNameTable::namesOf(devType);
  m_tablet.setNames(devName(devType), names && names->devModel ? QString::fromUtf8(names->devModel) : m_tablet.devModel());
  emit m_tablet.devStateChanged(true, devType);
  settle(20);
  return true;
}

bool WindowHarness::arriveInBootLoader(int devType) {
  leave();
  const ModelEntry* model = ModelTable::byDevType(devType);
  if (!model || MyQmlEnum::isPenDisplay(devType)) return false;
  m_world.reset();
  m_world = std::make_unique<SimulatedWorld>(*model);
  SimIapDevice::Config bootLoader;
  bootLoader.devType = devType;
  bootLoader.firmwareMajor = 1;
  bootLoader.firmwareMinor = 5;
  bootLoader.inBootLoader = true;
  m_world->setFirmwareInterface(std::make_shared<SimIapDevice>(bootLoader));
  m_config->setDeviceConfig(devName(devType), devType);
  return !m_firmware.handleArrival(devType, QCoreApplication::applicationDirPath());
}

void WindowHarness::leave() {
  if (m_devType < 0) return;
  m_device.endReadingDev();
  m_world.reset();
  const int type = m_devType;
  m_devType = -1;
  m_tablet.setNames(QString(), m_tablet.devModel());
  emit m_tablet.devStateChanged(false, type);
  settle(10);
}

QQuickWindow* WindowHarness::window() const {
  const auto roots = m_engine.rootObjects();
  return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
}

QObject* WindowHarness::root() const { return window(); }

QQuickItem* WindowHarness::item(const QString& objectName, QQuickItem* under) const {
  QQuickWindow* w = window();
  if (!w) return nullptr;
  if (!under) under = w->contentItem();
  // The visual tree holds everything shown, also what repeaters made (which
  // has no QObject parent to be found by).
  QList<QQuickItem*> pending{under};
  while (!pending.isEmpty()) {
    QQuickItem* candidate = pending.takeFirst();
    if (candidate->objectName() == objectName) return candidate;
    pending += candidate->childItems();
  }
  return nullptr;
}

void WindowHarness::settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (timer.elapsed() < ms) QThread::msleep(2);
  } while (timer.elapsed() < ms);
}

QImage WindowHarness::grab() {
  QQuickWindow* w = window();
  return w ? w->grabWindow() : QImage();
}
