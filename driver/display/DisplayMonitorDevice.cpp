#include "driver/display/DisplayMonitorDevice.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/display/EdidMonitorName.h"
#include "platform/display/DisplayOutputs.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcMonitor, "varnex.display")

namespace {

bool isPortrait(int orientation) { return orientation == 1 || orientation == 3; }

// The mode every pen display of the range offers, tried when the output
// refuses its own mode turned.
QSize fallbackSize(int orientation) { return isPortrait(orientation) ? QSize(1080, 1920) : QSize(1920, 1080); }

}  // namespace

DisplayMonitorDevice::DisplayMonitorDevice(QObject* parent) : QObject(parent) { DisplayMonitorDeviceDataUpdate(); }

void DisplayMonitorDevice::DisplayMonitorDeviceDataUpdate() {
  m_monitors.clear();
  const QVector<platform::DisplayOutput> outputs = platform::DisplayOutputs::current().outputs();
  m_monitors.reserve(outputs.size());
  for (const platform::DisplayOutput& output : outputs) {
    MonitorRecord record;
    record.adapterDeviceName = output.name;
    record.edid = output.edid;
    record.monitorName = edidMonitorName(output.edid);
    if (record.monitorName.isEmpty()) record.monitorName = output.monitorName;
    record.displayMode.pelsWidth = output.modeSize.width();
    record.displayMode.pelsHeight = output.modeSize.height();
    record.displayMode.displayOrientation = output.orientation;
    record.monitorRect = output.rect;
    m_monitors.push_back(record);
  }
}

QString DisplayMonitorDevice::targetScreenName(int devType) {
  using namespace MyQmlEnum;
  switch (devType) {
    case CFG_Fjord2Pro: return QStringLiteral("Fjord2 Pro");
    case CFG_Fjord1:
    case CFG_Fjord3: return QString();
    case CFG_Fjord4: return QStringLiteral("HDMI");
    case CFG_Fjord4Pro: return QStringLiteral("Fjord4 Pro");
    case CFG_Fjord5: return QStringLiteral("HDMI1");
    case CFG_Fjord5pro: return QStringLiteral("Fjord5Pro");
    default: return QStringLiteral("NoScreenName");
  }
}

QString DisplayMonitorDevice::selectPenDisplay(const QVector<MonitorRecord>& monitors, const QString& targetName) {
  if (monitors.isEmpty()) return QString();
  if (monitors.size() == 1) return monitors.first().adapterDeviceName;
  // A monitor without a name may be the pen display (its EDID could not be
  // read), so it qualifies as well; the last qualifying output wins.
  QString chosen;
  for (const MonitorRecord& record : monitors) {
    if (record.monitorName.isEmpty() ||
        (!targetName.isEmpty() && record.monitorName.contains(targetName, Qt::CaseSensitive))) {
      chosen = record.adapterDeviceName;
    }
  }
  return chosen;
}

QString DisplayMonitorDevice::findPenDisplayDevice() {
  const QString target = targetScreenName(m_devType);
  DisplayMonitorDeviceDataUpdate();
  return selectPenDisplay(m_monitors, target);
}

QRect DisplayMonitorDevice::monitorRect(const QString& adapterDeviceName) const {
  QRect rect;
  for (const MonitorRecord& record : m_monitors) {
    if (record.adapterDeviceName == adapterDeviceName) rect = record.monitorRect;
  }
  return rect;
}

int DisplayMonitorDevice::monitorOrientation(const QString& adapterDeviceName) const {
  for (const MonitorRecord& record : m_monitors) {
    if (record.adapterDeviceName == adapterDeviceName) return record.displayMode.displayOrientation;
  }
  return -1;
}

int DisplayMonitorDevice::rotateMonitor(const QString& adapterDeviceName, int orientation) {
  MonitorRecord* record = nullptr;
  for (MonitorRecord& candidate : m_monitors) {
    if (candidate.adapterDeviceName == adapterDeviceName) {
      record = &candidate;
      break;
    }
  }
  if (!record || orientation < 0 || orientation > 3) return 0;

  DisplayMode& mode = record->displayMode;
  if (isPortrait(orientation) != isPortrait(mode.displayOrientation)) std::swap(mode.pelsWidth, mode.pelsHeight);
  mode.displayOrientation = orientation;

  platform::DisplayOutputs& outputs = platform::DisplayOutputs::current();
  int result = outputs.setMode(adapterDeviceName, orientation, QSize(mode.pelsWidth, mode.pelsHeight));
  if (result == platform::DisplayChangeBadMode) {
    const QSize size = fallbackSize(orientation);
    mode.pelsWidth = size.width();
    mode.pelsHeight = size.height();
    result = outputs.setMode(adapterDeviceName, orientation, size);
  }
  qCInfo(lcMonitor) << "rotate" << adapterDeviceName << "to orientation" << orientation << "result" << result;
  return result;
}

QMap<QString, QString> DisplayMonitorDevice::monitorNameMap() {
  DisplayMonitorDeviceDataUpdate();
  QMap<QString, QString> names;
  for (const MonitorRecord& record : m_monitors) names.insert(record.adapterDeviceName, record.monitorName);
  return names;
}
