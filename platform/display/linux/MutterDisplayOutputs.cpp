#include "platform/display/linux/MutterDisplayOutputs.h"

#include "platform/desktop/linux/DesktopAnswerTimeout.h"
#include "platform/display/TurnedLayout.h"
#include "platform/display/linux/MutterDisplayState.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcMutter, "varnex.display.gnome")

namespace platform::mutter_config {

// One monitor of a logical monitor in ApplyMonitorsConfig: (ssa{sv}).
struct MonitorAssignment {
  QString connector;
  QString modeId;
};

// One logical monitor in ApplyMonitorsConfig: (iiduba(ssa{sv})).
struct LogicalMonitor {
  int x = 0, y = 0;
  double scale = 1.0;
  uint transform = 0;
  bool primary = false;
  QList<MonitorAssignment> monitors;
};

QDBusArgument& operator<<(QDBusArgument& arg, const MonitorAssignment& monitor) {
  arg.beginStructure();
  arg << monitor.connector << monitor.modeId << QVariantMap();
  arg.endStructure();
  return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, MonitorAssignment& monitor) {
  QVariantMap properties;
  arg.beginStructure();
  arg >> monitor.connector >> monitor.modeId >> properties;
  arg.endStructure();
  return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const LogicalMonitor& logical) {
  arg.beginStructure();
  arg << logical.x << logical.y << logical.scale << logical.transform << logical.primary << logical.monitors;
  arg.endStructure();
  return arg;
}
const QDBusArgument& operator>>(const QDBusArgument& arg, LogicalMonitor& logical) {
  arg.beginStructure();
  arg >> logical.x >> logical.y >> logical.scale >> logical.transform >> logical.primary >> logical.monitors;
  arg.endStructure();
  return arg;
}

}  // namespace platform::mutter_config

Q_DECLARE_METATYPE(platform::mutter_config::MonitorAssignment)
Q_DECLARE_METATYPE(platform::mutter_config::LogicalMonitor)

namespace platform {

namespace {

const QString kService = QStringLiteral("org.gnome.Mutter.DisplayConfig");
const QString kPath = QStringLiteral("/org/gnome/Mutter/DisplayConfig");
const QString kInterface = QStringLiteral("org.gnome.Mutter.DisplayConfig");
// ApplyMonitorsConfig's methods: 0 verify, 1 temporary, 2 persistent.
constexpr uint kTemporary = 1;

bool isPortrait(int orientation) { return orientation == 1 || orientation == 3; }

bool currentState(const QDBusConnection& bus, MutterDisplayState& state) {
  const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetCurrentState"));
  const QDBusMessage reply = bus.call(call, QDBus::Block, kDesktopAnswerTimeoutMs);
  if (!MutterDisplayState::parse(reply, state)) {
    qCInfo(lcMutter) << "mutter gave no display state:" << reply.errorMessage() << reply.signature();
    return false;
  }
  return true;
}

}  // namespace

MutterDisplayOutputs::MutterDisplayOutputs(QDBusConnection bus) : m_bus(std::move(bus)) {
  qDBusRegisterMetaType<mutter_config::MonitorAssignment>();
  qDBusRegisterMetaType<QList<mutter_config::MonitorAssignment>>();
  qDBusRegisterMetaType<mutter_config::LogicalMonitor>();
  qDBusRegisterMetaType<QList<mutter_config::LogicalMonitor>>();
}

bool MutterDisplayOutputs::isAvailable(const QDBusConnection& bus) {
  if (!bus.isConnected() || !bus.interface()) return false;
  return bus.interface()->isServiceRegistered(kService).value();
}

QVector<DisplayOutput> MutterDisplayOutputs::outputs() {
  QVector<DisplayOutput> result;
  MutterDisplayState state;
  if (!currentState(m_bus, state)) return result;
  for (const MutterDisplayState::LogicalMonitor& logical : state.logicalMonitors) {
    for (const QString& connector : logical.connectors) {
      const MutterDisplayState::Monitor* monitor = state.monitor(connector);
      if (!monitor) continue;
      DisplayOutput output;
      output.name = connector;
      output.rect = logical.rect;
      output.orientation = int(logical.transform % 4);
      if (const MutterDisplayState::Mode* mode = monitor->currentMode()) {
        output.modeSize = isPortrait(output.orientation) ? mode->size.transposed() : mode->size;
      }
      output.monitorName = monitor->product;
      result.push_back(output);
    }
  }
  return result;
}

QRect MutterDisplayOutputs::penFrame(const QRect& screen, const QRect& desktop) {
  MutterDisplayState state;
  if (!currentState(m_bus, state)) return desktop;
  QStringList monitorNames;
  QRect frame = desktop;
  if (state.logicalMonitors.size() > 1) {
    for (const MutterDisplayState::LogicalMonitor& logical : state.logicalMonitors) {
      const MutterDisplayState::Monitor* monitor = state.monitor(logical.connectors.value(0));
      if (logical.rect != screen || !monitor) continue;
      monitorNames = QStringList{monitor->vendor, monitor->product, monitor->serial, monitor->connector};
      frame = screen;
    }
  }
  // Without the settings mutter keeps its own mapping: the whole desktop
  // for a pen tablet.
  return m_tabletMapping.mapTo(monitorNames) ? frame : desktop;
}

int MutterDisplayOutputs::setMode(const QString& outputName, int orientation, QSize size) {
  if (orientation < 0 || orientation > 3) return DisplayChangeBadMode;
  MutterDisplayState state;
  if (!currentState(m_bus, state)) return DisplayChangeFailed;
  const MutterDisplayState::Monitor* monitor = state.monitor(outputName);
  int target = -1;
  for (int i = 0; i < state.logicalMonitors.size(); ++i) {
    if (state.logicalMonitors[i].connectors.contains(outputName)) target = i;
  }
  if (!monitor || target < 0) return DisplayChangeBadParam;

  // The mode whose panel size shows `size` once turned; the current one first.
  const QSize unturned = isPortrait(orientation) ? size.transposed() : size;
  const MutterDisplayState::Mode* mode = monitor->currentMode();
  if (!mode || mode->size != unturned) {
    mode = nullptr;
    for (const MutterDisplayState::Mode& candidate : monitor->modes) {
      if (candidate.size == unturned) {
        mode = &candidate;
        break;
      }
    }
  }
  if (!mode) {
    qCInfo(lcMutter) << outputName << "has no mode showing" << size << "at orientation" << orientation;
    return DisplayChangeBadMode;
  }

  const MutterDisplayState::LogicalMonitor& turned = state.logicalMonitors[target];
  // A flipped monitor stays flipped; only the turn changes.
  const uint transform = uint(orientation) + (turned.transform >= 4 ? 4 : 0);
  const QRect before = turned.rect;
  const QSize after = state.layoutSize(mode->size, transform, turned.scale);

  QList<mutter_config::LogicalMonitor> config;
  for (int i = 0; i < state.logicalMonitors.size(); ++i) {
    const MutterDisplayState::LogicalMonitor& logical = state.logicalMonitors[i];
    mutter_config::LogicalMonitor entry;
    const QPoint position =
        i == target ? logical.rect.topLeft() : positionBesideTurned(logical.rect.topLeft(), before, after);
    entry.x = position.x();
    entry.y = position.y();
    entry.scale = logical.scale;
    entry.transform = i == target ? transform : logical.transform;
    entry.primary = logical.primary;
    for (const QString& connector : logical.connectors) {
      const MutterDisplayState::Monitor* member = state.monitor(connector);
      const MutterDisplayState::Mode* memberMode = member ? member->currentMode() : nullptr;
      if (i == target && connector == outputName) memberMode = mode;
      if (!memberMode) continue;
      entry.monitors.push_back({connector, memberMode->id});
    }
    config.push_back(entry);
  }

  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("ApplyMonitorsConfig"));
  call << state.serial << kTemporary << QVariant::fromValue(config) << QVariantMap();
  const QDBusMessage reply = m_bus.call(call, QDBus::Block, kDesktopAnswerTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage) {
    qCWarning(lcMutter) << "mutter refused to turn" << outputName << reply.errorName() << reply.errorMessage();
    return DisplayChangeFailed;
  }
  return DisplayChangeSuccessful;
}

}  // namespace platform
