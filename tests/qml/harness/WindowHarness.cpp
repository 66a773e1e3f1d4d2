#include "WindowHarness.h"

#include "driver/display/DashLine.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/app/TranslationCatalogues.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"
#include "driver/display/IconProvider.h"
#include "driver/tablet/ModelTable.h"

#include <QCoreApplication>
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

QString WindowHarness::devName(int devType) {
  switch (devType) {
    case MyQmlEnum::CFG_VarnexK10PlusV2: return "K10Plus V2";
    case MyQmlEnum::CFG_VarnexK40V2: return "K40 V2";
    case MyQmlEnum::CFG_LarkA: return "Lark A";
    case MyQmlEnum::CFG_LarkB: return "Lark B";
    case MyQmlEnum::CFG_LarkC: return "Lark C";
    case MyQmlEnum::CFG_LarkD1: return "Lark D1";
    case MyQmlEnum::CFG_LarkD2: return "Lark D2";
    case MyQmlEnum::CFG_LarkD2B: return "Lark D2B";
    case MyQmlEnum::CFG_LarkD3: return "Lark D3";
    case MyQmlEnum::CFG_LarkD3B: return "Lark D3B";
    case MyQmlEnum::CFG_MesaA: return "Mesa A";
    case MyQmlEnum::CFG_MesaB: return "Mesa B";
    case MyQmlEnum::CFG_Fjord2Pro: return "Fjord2 Pro";
    case MyQmlEnum::CFG_Fjord1: return "Fjord 1";
    case MyQmlEnum::CFG_Fjord3: return "Fjord 3";
    case MyQmlEnum::CFG_Fjord4: return "Fjord 3&4";
    case MyQmlEnum::CFG_Fjord4Pro: return "Fjord 4Pro";
    case MyQmlEnum::CFG_Fjord5: return "Fjord 5";
    case MyQmlEnum::CFG_Fjord5pro: return "Fjord 5Pro";
    default: return QString();
  }
}

bool WindowHarness::arrive(int devType) {
  leave();
  const ModelEntry* model = ModelTable::byDevType(devType);
  if (!model) return false;
  m_world = std::make_unique<SimulatedWorld>(*model);
  m_config->setDeviceConfig(devName(devType), devType);
  if (!m_device.startReadingDev(devType, &m_firmware)) return false;
  m_devType = devType;
  m_tablet.currentDevType = devType;
  m_tablet.setNames(devName(devType), QString());
  emit m_tablet.devStateChanged(true, devType);
  settle(20);
  return true;
}

void WindowHarness::leave() {
  if (m_devType < 0) return;
  m_device.endReadingDev();
  m_world.reset();
  const int type = m_devType;
  m_devType = -1;
  m_tablet.setNames(QString(), QString());
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
