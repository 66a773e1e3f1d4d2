#include "platform/session/linux/UdevDeviceWatcher.h"

#include "platform/hid/HidDeviceName.h"
#include "platform/hid/linux/HidrawNode.h"
#include "platform/session/linux/UdevHidrawEventSource.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

UdevDeviceWatcher::UdevDeviceWatcher(QString sysfsRoot, QString devRoot, std::unique_ptr<HidrawEventSource> source)
    : m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)), m_source(std::move(source)) {
  m_settle.setSingleShot(true);
  m_settle.setInterval(kSettleMs);
  connect(&m_settle, &QTimer::timeout, this, &UdevDeviceWatcher::announceArrivals);
  // Nodes present before we listened must be known by name too, or the
  // removal of a tablet plugged in before the driver started would be missed.
  QVector<PresentHidDevice> present;
  listPresent(present);
  if (m_source) {
    m_notifier = std::make_unique<QSocketNotifier>(m_source->fd(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &UdevDeviceWatcher::readEvents);
  }
}

UdevDeviceWatcher::~UdevDeviceWatcher() = default;

QString UdevDeviceWatcher::nameOf(const QString& node) const {
  HidrawNode identity;
  if (!HidrawNode::readIdentity(m_sysfsRoot, node, identity)) return QString();
  return hidDeviceName(identity.vendorId, identity.productId) + QLatin1Char('#') + node;
}

bool UdevDeviceWatcher::listPresent(QVector<PresentHidDevice>& devices) {
  devices.clear();
  if (!QDir(m_sysfsRoot + "/class/hidraw").exists()) return false;
  for (const QString& node : HidrawNode::list(m_sysfsRoot)) {
    // One node whose identity cannot be read must not hide the ones after it.
    const QString name = nameOf(node);
    if (name.isEmpty()) continue;
    m_names.insert(node, name);
    m_handedOut.insert(node);
    devices.append(PresentHidDevice{name, node});
  }
  return true;
}

bool UdevDeviceWatcher::canOpen(const PresentHidDevice& device) {
  const QByteArray path = QFile::encodeName(m_devRoot + QLatin1Char('/') + device.node);
  const int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

void UdevDeviceWatcher::readEvents() {
  HidrawEventSource::Event event;
  while (m_source->next(event)) {
    if (event.added) {
      const QString name = nameOf(event.node);
      if (name.isEmpty()) continue;
      m_names.insert(event.node, name);
      m_pendingArrivals.removeAll(event.node);
      m_pendingArrivals << event.node;
      m_settle.start();
    } else {
      m_pendingArrivals.removeAll(event.node);
      const QString name = m_names.take(event.node);
      // A node nobody was told of came and went: nobody needs to hear of it.
      if (m_handedOut.remove(event.node) && !name.isEmpty()) emit deviceRemoved(name);
    }
  }
}

void UdevDeviceWatcher::announceArrivals() {
  const QStringList nodes = std::exchange(m_pendingArrivals, QStringList());
  for (const QString& node : nodes) {
    const auto name = m_names.constFind(node);
    if (name == m_names.constEnd()) continue;
    m_handedOut.insert(node);
    emit deviceArrived(*name);
  }
}

std::unique_ptr<DeviceWatcher> createDefaultDeviceWatcher() {
  QString error;
  std::unique_ptr<HidrawEventSource> source = UdevHidrawEventSource::open(error);
  auto watcher = std::make_unique<UdevDeviceWatcher>(QStringLiteral("/sys"), QStringLiteral("/dev"), std::move(source));
  if (!error.isEmpty()) watcher->setNotificationError(error);
  return watcher;
}

}  // namespace platform
