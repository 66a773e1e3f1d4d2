#include "tests/support/FakeHidrawTree.h"

#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace testenv {

namespace {
void writeFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
}
}  // namespace

FakeHidrawTree::FakeHidrawTree() : m_root(freshDir("hidraw-tree")) {
  QDir().mkpath(sysfsRoot() + "/class/hidraw");
  QDir().mkpath(devRoot());
}

QString FakeHidrawTree::devNode(int number) const { return devRoot() + "/hidraw" + QString::number(number); }

void FakeHidrawTree::add(const Node& node) {
  const QString name = "hidraw" + QString::number(node.number);
  const QString usbDevice = sysfsRoot() + "/devices/usb1/1-" + QString::number(node.number);
  const QString hidDevice = usbDevice + "/1-" + QString::number(node.number) + ":1.0/" +
                            QString::asprintf("0003:%04X:%04X.%04X", node.vendorId, node.productId, node.number);
  QDir().mkpath(hidDevice + "/hidraw/" + name);
  QFile::link(hidDevice + "/hidraw/" + name, sysfsRoot() + "/class/hidraw/" + name);
  QFile::link(hidDevice, hidDevice + "/hidraw/" + name + "/device");

  QByteArray uevent =
      "DRIVER=hid-generic\n" + QString::asprintf("HID_ID=0003:%08X:%08X\n", node.vendorId, node.productId).toLatin1();
  if (!node.name.isEmpty()) uevent += "HID_NAME=" + node.name + "\n";
  if (!node.uniq.isEmpty()) uevent += "HID_UNIQ=" + node.uniq + "\n";
  uevent += "MODALIAS=hid:b0003g0001v" + QString::asprintf("%08Xp%08X\n", node.vendorId, node.productId).toLatin1();
  writeFile(hidDevice + "/uevent", uevent);
  writeFile(hidDevice + "/report_descriptor", node.descriptor);
  if (!node.manufacturer.isEmpty()) writeFile(usbDevice + "/manufacturer", node.manufacturer + "\n");
  if (node.withDevNode) mkfifo(QFile::encodeName(devNode(node.number)).constData(), 0600);
}

void FakeHidrawTree::setUevent(int number, const QByteArray& text) {
  writeFile(sysfsRoot() + "/class/hidraw/hidraw" + QString::number(number) + "/device/uevent", text);
}

}  // namespace testenv
