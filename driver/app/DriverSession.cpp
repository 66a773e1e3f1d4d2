#include "driver/app/DriverSession.h"

#include "driver/app/SimulatedWorld.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "platform/hid/HidBackend.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>

Q_LOGGING_CATEGORY(lcSession, "varnex.session.driver")

DriverSession::DriverSession(QObject* parent) : QObject(parent) {}

DriverSession::~DriverSession() { stop(); }

const ModelEntry* DriverSession::findConnectedTablet() {
  for (const ModelEntry& model : ModelTable::models()) {
    for (const platform::HidInterfaceInfo& info :
         platform::HidBackend::current().enumerate(model.vendorId, model.productId)) {
      if (info.usagePage == model.usagePage && info.usage == model.usage) return &model;
    }
  }
  return nullptr;
}

bool DriverSession::start(const ModelEntry& model) {
  ConfigFile* config = ConfigFile::instance();
  config->setDeviceConfig(QLatin1String(model.key), model.devType);
  if (!m_device.startReadingDev(model.devType, nullptr)) {
    qCWarning(lcSession).noquote() << "cannot start the" << model.key;
    m_device.endReadingDev();
    return false;
  }
  m_started = true;
  // The tablet selection is stored relative to the settings window's picture
  // of the tablet, which the window reports when it shows. Until then a
  // picture the size of the screen picture stands in; the store's placeholder
  // of one unit would put every pen position in the screen's corner.
  config->setRectSize(MyQmlEnum::MaxVirtualTablet, config->getRectSize(MyQmlEnum::MaxVirtualScreen));
  // Until the settings window chooses an area, the pen covers the primary screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    m_device.setMapperArea(screen->geometry(), screen->virtualGeometry());
  else
    m_device.setMapperArea();
  m_device.setRotationAngle(config->getRotationAngle());
  m_device.setMouseRate(config->getMouseRate());
  qCInfo(lcSession).noquote() << "reading the" << model.key;
  return true;
}

bool DriverSession::startSimulated(const ModelEntry& model) {
  stop();
  m_world.reset();
  m_world = std::make_unique<SimulatedWorld>(model);
  if (!start(model)) return false;
  m_world->start();
  return true;
}

void DriverSession::stop() {
  if (m_world) m_world->stop();
  if (!m_started) return;
  m_started = false;
  m_device.endReadingDev();
  qCInfo(lcSession) << "device path stopped";
  // What arrived after the last periodic summary.
  if (m_world) m_world->logSummary();
}
