#include "platform/hid/linux/LinuxHidBackend.h"

#include "platform/hid/HidLogging.h"
#include "platform/hid/linux/HidrawNode.h"
#include "platform/hid/linux/LinuxHidConnection.h"

#include <QFileInfo>

namespace platform {

LinuxHidBackend::LinuxHidBackend(QString sysfsRoot, QString devRoot)
    : m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)) {}

std::vector<HidInterfaceInfo> LinuxHidBackend::enumerateReal(uint16_t vendorId, uint16_t productId) {
  std::vector<HidInterfaceInfo> found;
  if (vendorId == 0 || productId == 0) return found;
  for (const QString& name : HidrawNode::list(m_sysfsRoot)) {
    HidrawNode node;
    if (!HidrawNode::readIdentity(m_sysfsRoot, name, node)) continue;
    if (node.vendorId != vendorId || node.productId != productId) continue;
    if (!HidrawNode::readDetails(m_sysfsRoot, node)) continue;
    const QString path = m_devRoot + "/" + name;
    if (node.product.isEmpty()) node.product = LinuxHidConnection::rawName(path);
    // One entry per top-level collection; they share the node.
    for (const HidTopLevelCollection& collection : node.descriptor.collections) {
      HidInterfaceInfo info;
      info.path = path;
      info.vendorId = node.vendorId;
      info.productId = node.productId;
      info.usagePage = collection.usagePage;
      info.usage = collection.usage;
      info.inputReportLength = collection.inputReportLength;
      info.outputReportLength = collection.outputReportLength;
      info.featureReportLength = collection.featureReportLength;
      info.manufacturer = node.manufacturer;
      info.product = node.product;
      info.serial = node.serial;
      found.push_back(info);
    }
  }
  return found;
}

std::unique_ptr<HidConnection> LinuxHidBackend::openReal(const HidInterfaceInfo& which, bool exclusive) {
  // How reports are framed on the wire and which input reports belong to the
  // collection come from the descriptor, read again as the node may have
  // changed since enumeration.
  HidrawNode node;
  const QString name = QFileInfo(which.path).fileName();
  if (!HidrawNode::readIdentity(m_sysfsRoot, name, node) || !HidrawNode::readDetails(m_sysfsRoot, node)) {
    return nullptr;
  }
  if (node.vendorId != which.vendorId || node.productId != which.productId) return nullptr;
  for (const HidTopLevelCollection& collection : node.descriptor.collections) {
    if (collection.usagePage != which.usagePage || collection.usage != which.usage) continue;
    LinuxHidConnection::ReportFormat format;
    format.output = collection.outputReportLength;
    format.feature = collection.featureReportLength;
    format.numbered = node.descriptor.numberedReports;
    format.inputIds = collection.inputReportIds;
    return LinuxHidConnection::open(which.path, exclusive, format);
  }
  return nullptr;
}

}  // namespace platform
