#include "platform/hid/linux/HidrawNode.h"

#include "platform/hid/HidLogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace platform {

namespace {

QString deviceDir(const QString& sysfsRoot, const QString& name) {
  return sysfsRoot + "/class/hidraw/" + name + "/device";
}

int nodeNumber(const QString& name) { return name.midRef(6).toInt(); }

// Small sysfs attributes; a uevent or a string never comes near this.
QByteArray readAttribute(const QString& path, qint64 maxSize = 65536) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.read(maxSize);
}

bool parseHidId(const QByteArray& value, uint16_t& vendorId, uint16_t& productId) {
  const QList<QByteArray> parts = value.split(':');
  if (parts.size() != 3) return false;
  bool vendorOk = false;
  bool productOk = false;
  const uint vendor = parts[1].toUInt(&vendorOk, 16);
  const uint product = parts[2].toUInt(&productOk, 16);
  if (!vendorOk || !productOk || vendor > 0xFFFF || product > 0xFFFF) return false;
  vendorId = uint16_t(vendor);
  productId = uint16_t(product);
  return true;
}

// The HID device sits below the USB interface, which sits below the USB
// device that carries the manufacturer string.
QByteArray usbManufacturer(const QString& hidDevicePath) {
  QDir dir(QFileInfo(hidDevicePath).canonicalFilePath());
  for (int level = 0; level < 3 && dir.cdUp(); ++level) {
    if (dir.exists("manufacturer")) return readAttribute(dir.filePath("manufacturer"), 1024).trimmed();
  }
  return QByteArray();
}

}  // namespace

QStringList HidrawNode::list(const QString& sysfsRoot) {
  QStringList names = QDir(sysfsRoot + "/class/hidraw").entryList({"hidraw*"}, QDir::Dirs | QDir::System);
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return nodeNumber(a) < nodeNumber(b); });
  return names;
}

bool HidrawNode::readIdentity(const QString& sysfsRoot, const QString& name, HidrawNode& node) {
  node = HidrawNode();
  node.name = name;
  bool identified = false;
  const QByteArray uevent = readAttribute(deviceDir(sysfsRoot, name) + "/uevent");
  for (const QByteArray& line : uevent.split('\n')) {
    const int equals = line.indexOf('=');
    if (equals < 0) continue;
    const QByteArray key = line.left(equals);
    const QByteArray value = line.mid(equals + 1);
    if (key == "HID_ID") {
      identified = parseHidId(value, node.vendorId, node.productId);
    } else if (key == "HID_NAME") {
      node.product = value;
    } else if (key == "HID_UNIQ") {
      node.serial = value;
    }
  }
  return identified;
}

bool HidrawNode::readDetails(const QString& sysfsRoot, HidrawNode& node) {
  const QString device = deviceDir(sysfsRoot, node.name);
  QFile file(device + "/report_descriptor");
  if (!file.open(QIODevice::ReadOnly)) {
    qCDebug(lcHid) << "no report descriptor for" << node.name << file.errorString();
    return false;
  }
  // The kernel keeps descriptors below 4 KiB; anything past 16 KiB is not a descriptor.
  node.descriptor = ReportDescriptorParser::parse(file.read(16384));
  node.manufacturer = usbManufacturer(device);
  return true;
}

}  // namespace platform
