#include "driver/app/DetectionDevice.h"

#include "driver/tablet/ModelTable.h"
#include "platform/session/DeviceWatcher.h"
#include "platform/session/HandOverMessage.h"
#include "platform/session/PowerWatcher.h"
#include "platform/session/WindowRaiser.h"

#include <QLoggingCategory>
#include <QThread>
#include <QTimer>

Q_LOGGING_CATEGORY(lcDetection, "varnex.detection")

namespace {
// The pause a scan leaves between two devices it opens, so a scan never
// fires opens at the bus back to back.
constexpr unsigned long kScanPauseMs = 5;
// A window that was just shown is mapped by the window system a little
// later; one more attempt then finds it.
constexpr int kRaiseRetryMs = 200;
}  // namespace

DetectionDevice::DetectionDevice(QWidget* parent)
    : QWidget(parent), m_devices(platform::DeviceWatcher::create()), m_power(platform::PowerWatcher::create()) {
  // For receivers on other threads, which get the signals queued.
  qRegisterMetaType<MyQmlEnum::VARNEX>();
  qRegisterMetaType<DetectionDevice::SyStemState>();
  if (!m_devices->notificationError().isEmpty()) {
    qCDebug(lcDetection).noquote() << "register UDisk notification fail， error:" << m_devices->notificationError();
  }
  connect(m_devices.get(), &platform::DeviceWatcher::deviceArrived, this, &DetectionDevice::onDeviceArrived);
  connect(m_devices.get(), &platform::DeviceWatcher::deviceRemoved, this, &DetectionDevice::onDeviceRemoved);
  connect(m_power.get(), &platform::PowerWatcher::suspending, this, &DetectionDevice::onSuspending);
  connect(m_power.get(), &platform::PowerWatcher::resumed, this, &DetectionDevice::onResumed);
  connect(m_power.get(), &platform::PowerWatcher::shuttingDown, this, &DetectionDevice::onShuttingDown);
}

DetectionDevice::~DetectionDevice() = default;

void DetectionDevice::scanDevices() {
  m_connected = false;
  m_connectedName.clear();
  QVector<platform::PresentHidDevice> devices;
  if (!m_devices->listPresent(devices)) {
    qCDebug(lcDetection) << "NO hid device";
    return;
  }
  bool opened = false;
  for (const platform::PresentHidDevice& device : devices) {
    const int devType = ModelTable::recognise(device.name);
    if (devType == -1) continue;
    if (opened) QThread::msleep(kScanPauseMs);
    opened = true;
    if (!m_devices->canOpen(device)) {
      // Most often the udev rule that gives the user the tablet is missing.
      qCWarning(lcDetection).noquote() << "found" << device.name
                                       << "but cannot open it; is udev/70-varnex.rules installed?";
      continue;
    }
    m_connected = true;
    m_connectedName = device.name;
    emit s_devTypeAndState(MyQmlEnum::VARNEX(devType), true);
    return;
  }
}

bool DetectionDevice::copyData(quint32 dwData, const QByteArray&) {
  if (dwData != platform::HandOverMessage::kShowWindow) return false;
  emit s_showTablet();
  raiseSettingsWindow();
  return true;
}

void DetectionDevice::raiseSettingsWindow() {
  const QString title = QString::fromLatin1(kSettingsWindowTitle);
  if (platform::WindowRaiser::current().raiseWindow(title)) return;
  QTimer::singleShot(kRaiseRetryMs, this, [title] { platform::WindowRaiser::current().raiseWindow(title); });
}

void DetectionDevice::onDeviceArrived(const QString& name) {
  const int devType = ModelTable::recognise(name);
  if (devType == -1 || m_connected) return;
  m_connected = true;
  m_connectedName = name;
  emit s_devTypeAndState(MyQmlEnum::VARNEX(devType), true);
}

void DetectionDevice::onDeviceRemoved(const QString& name) {
  const int devType = ModelTable::recognise(name);
  // Names are compared as the model recognition reads them, without regard
  // to case.
  if (devType == -1 || !m_connected || name.compare(m_connectedName, Qt::CaseInsensitive) != 0) return;
  m_connected = false;
  m_connectedName.clear();
  emit s_devTypeAndState(MyQmlEnum::VARNEX(devType), false);
}

void DetectionDevice::onSuspending() {
  qCDebug(lcDetection) << "=====xiu mian======";
  emit s_systemState(SystemSuspending);
}

void DetectionDevice::onResumed() {
  qCDebug(lcDetection) << "======huan xing======";
  emit s_showTablet();
  emit s_systemState(SystemResumed);
}

void DetectionDevice::onShuttingDown() { qCDebug(lcDetection) << "======system poweroff,reboot or logoff======"; }
