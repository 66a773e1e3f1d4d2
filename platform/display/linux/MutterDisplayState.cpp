#include "platform/display/linux/MutterDisplayState.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QVariantMap>

#include <cmath>

namespace platform {

namespace {

const QString kStateSignature =
    QStringLiteral("ua((ssss)a(siiddada{sv})a{sv})a(iiduba(ssss)a{sv})a{sv}");

void readMonitorIdentity(const QDBusArgument& arg, QString& connector, QString& vendor, QString& product,
                         QString& serial) {
  arg.beginStructure();
  arg >> connector >> vendor >> product >> serial;
  arg.endStructure();
}

MutterDisplayState::Mode readMode(const QDBusArgument& arg) {
  MutterDisplayState::Mode mode;
  int width = 0, height = 0;
  double refresh = 0, preferredScale = 0;
  QList<double> scales;
  QVariantMap properties;
  arg.beginStructure();
  arg >> mode.id >> width >> height >> refresh >> preferredScale >> scales >> properties;
  arg.endStructure();
  mode.size = QSize(width, height);
  mode.current = properties.value(QStringLiteral("is-current")).toBool();
  return mode;
}

MutterDisplayState::Monitor readMonitor(const QDBusArgument& arg) {
  MutterDisplayState::Monitor monitor;
  arg.beginStructure();
  readMonitorIdentity(arg, monitor.connector, monitor.vendor, monitor.product, monitor.serial);
  arg.beginArray();
  while (!arg.atEnd()) monitor.modes.push_back(readMode(arg));
  arg.endArray();
  QVariantMap properties;
  arg >> properties;
  arg.endStructure();
  return monitor;
}

MutterDisplayState::LogicalMonitor readLogicalMonitor(const QDBusArgument& arg) {
  MutterDisplayState::LogicalMonitor logical;
  int x = 0, y = 0;
  arg.beginStructure();
  arg >> x >> y >> logical.scale >> logical.transform >> logical.primary;
  arg.beginArray();
  while (!arg.atEnd()) {
    QString connector, vendor, product, serial;
    readMonitorIdentity(arg, connector, vendor, product, serial);
    logical.connectors << connector;
  }
  arg.endArray();
  QVariantMap properties;
  arg >> properties;
  arg.endStructure();
  logical.rect.moveTo(x, y);
  return logical;
}

}  // namespace

const MutterDisplayState::Mode* MutterDisplayState::Monitor::currentMode() const {
  for (const Mode& mode : modes) {
    if (mode.current) return &mode;
  }
  return nullptr;
}

const MutterDisplayState::Monitor* MutterDisplayState::monitor(const QString& connector) const {
  for (const Monitor& candidate : monitors) {
    if (candidate.connector == connector) return &candidate;
  }
  return nullptr;
}

QSize MutterDisplayState::layoutSize(QSize modeSize, uint transform, double scale) const {
  QSize turned = (transform % 2) ? modeSize.transposed() : modeSize;
  if (layoutMode == 1 && scale > 0) {
    turned = QSize(int(std::lround(turned.width() / scale)), int(std::lround(turned.height() / scale)));
  }
  return turned;
}

bool MutterDisplayState::parse(const QDBusMessage& reply, MutterDisplayState& state) {
  if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != kStateSignature) return false;
  const QVariantList arguments = reply.arguments();
  state = MutterDisplayState();
  state.serial = arguments.at(0).toUInt();

  const QDBusArgument monitors = arguments.at(1).value<QDBusArgument>();
  monitors.beginArray();
  while (!monitors.atEnd()) state.monitors.push_back(readMonitor(monitors));
  monitors.endArray();

  const QDBusArgument logicalMonitors = arguments.at(2).value<QDBusArgument>();
  logicalMonitors.beginArray();
  while (!logicalMonitors.atEnd()) state.logicalMonitors.push_back(readLogicalMonitor(logicalMonitors));
  logicalMonitors.endArray();

  QVariantMap properties;
  arguments.at(3).value<QDBusArgument>() >> properties;
  state.layoutMode = properties.value(QStringLiteral("layout-mode"), 1u).toUInt();

  // The layout gives positions only; a logical monitor is as large as its
  // first monitor's current mode, turned and scaled.
  for (LogicalMonitor& logical : state.logicalMonitors) {
    const Monitor* first = logical.connectors.isEmpty() ? nullptr : state.monitor(logical.connectors.first());
    const Mode* mode = first ? first->currentMode() : nullptr;
    if (mode) logical.rect.setSize(state.layoutSize(mode->size, logical.transform, logical.scale));
  }
  return true;
}

}  // namespace platform
