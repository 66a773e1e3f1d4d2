#include "platform/hid/linux/LinuxHidBackend.h"
#include "platform/hid/linux/LinuxHidConnection.h"
#include "tests/support/FakeHidrawTree.h"
#include "tests/support/TabletDescriptors.h"

#include <gtest/gtest.h>

#include <QFile>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

using platform::HidInterfaceInfo;
using platform::LinuxHidBackend;
using platform::LinuxHidConnection;
using testenv::FakeHidrawTree;

namespace {

// Reads what a connection wrote into a FIFO node, without blocking.
QByteArray drainFifo(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return QByteArray();
  char buffer[512];
  const ssize_t got = ::read(fd, buffer, sizeof buffer);
  ::close(fd);
  return got > 0 ? QByteArray(buffer, int(got)) : QByteArray();
}

class HidLinuxBackendTest : public ::testing::Test {
 protected:
  HidLinuxBackendTest() : backend(tree.sysfsRoot(), tree.devRoot()) {
    tree.add({10, 0x3CA1, 0x0103, "Varnex LarkA (1f2)", "SN-0001", "Varnex", descriptors::mouseKeyboardVendor()});
    tree.add({2, 0x3CA1, 0x0103, "Varnex LarkA (1f2)", "SN-0001", "Varnex", descriptors::vendorWithReportId()});
    tree.add({3, 0x3CA1, 0x0199, "Other", "", "", descriptors::vendorWithReportId()});
    tree.add({4, 0x3CA1, 0x0104, "", "", "", descriptors::vendorWithoutReportId()});
  }

  HidInterfaceInfo find(uint16_t productId, uint16_t usagePage) {
    for (const HidInterfaceInfo& info : backend.enumerate(0x3CA1, productId)) {
      if (info.usagePage == usagePage) return info;
    }
    return HidInterfaceInfo();
  }

  FakeHidrawTree tree;
  LinuxHidBackend backend;
};

TEST_F(HidLinuxBackendTest, EnumeratesEveryCollectionOfTheMatchingNodesInNodeOrder) {
  const auto found = backend.enumerate(0x3CA1, 0x0103);
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(found[0].path, tree.devNode(2));
  EXPECT_EQ(found[0].usagePage, 0xFF00);
  EXPECT_EQ(found[0].inputReportLength, 12);
  EXPECT_EQ(found[0].outputReportLength, 9);
  EXPECT_EQ(found[0].product, QByteArray("Varnex LarkA (1f2)"));
  EXPECT_EQ(found[0].serial, QByteArray("SN-0001"));
  EXPECT_EQ(found[0].manufacturer, QByteArray("Varnex"));
  for (int i = 1; i < 4; ++i) EXPECT_EQ(found[i].path, tree.devNode(10));
  EXPECT_EQ(found[3].usagePage, 0xFF0C);
  EXPECT_EQ(found[3].featureReportLength, 17);

  EXPECT_TRUE(backend.enumerate(0, 0x0103).empty());
  EXPECT_TRUE(backend.enumerate(0x3CA1, 0).empty());
  EXPECT_TRUE(backend.enumerate(0x3CA2, 0x0103).empty());
}

TEST_F(HidLinuxBackendTest, SkipsNodesWithoutIdentityOrDescriptor) {
  tree.setUevent(3, "HID_NAME=broken\nHID_ID=garbage\n");
  EXPECT_TRUE(backend.enumerate(0x3CA1, 0x0199).empty());
  QFile::remove(tree.sysfsRoot() + "/class/hidraw/hidraw4/device/report_descriptor");
  EXPECT_TRUE(backend.enumerate(0x3CA1, 0x0104).empty());
  // A descriptor that declares nothing leaves nothing to match.
  tree.add({5, 0x3CA1, 0x0105, "Empty", "", "", QByteArray()});
  EXPECT_TRUE(backend.enumerate(0x3CA1, 0x0105).empty());
}

TEST_F(HidLinuxBackendTest, WritesWholeReportsAndRefusesLongerOnes) {
  auto connection = backend.open(find(0x0103, 0xFF00), false);
  ASSERT_TRUE(connection);
  const uint8_t init[9] = {0x02, 0xB0, 0x04};
  EXPECT_EQ(connection->write(init, 9), 9);
  EXPECT_EQ(drainFifo(tree.devNode(2)), QByteArray::fromHex("02b0040000000000 00"));

  const uint8_t tooLong[10] = {0x02};
  EXPECT_EQ(connection->write(tooLong, 10), 0);
  EXPECT_TRUE(drainFifo(tree.devNode(2)).isEmpty()) << "nothing may reach the device";

  // A FIFO knows no feature ioctl: a plain failure, and the node is not gone.
  EXPECT_FALSE(connection->setFeature(init, 2));
  EXPECT_FALSE(connection->isGone());
  EXPECT_TRUE(connection->indexedString(1).isEmpty());
}

TEST_F(HidLinuxBackendTest, UnnumberedReportsGoOutBehindAZeroReportNumber) {
  const HidInterfaceInfo info = find(0x0104, 0xFF00);
  EXPECT_EQ(info.outputReportLength, 64);
  auto connection = backend.open(info, false);
  ASSERT_TRUE(connection);
  uint8_t report[64] = {0x11, 0x22};
  EXPECT_EQ(connection->write(report, 64), 64);
  const QByteArray sent = drainFifo(tree.devNode(4));
  ASSERT_EQ(sent.size(), 65);
  EXPECT_EQ(sent.left(3), QByteArray::fromHex("001122"));
}

TEST_F(HidLinuxBackendTest, ExclusiveOpenLocksTheNodeAgainstEveryOtherOpen) {
  const HidInterfaceInfo vendor = find(0x0103, 0xFF0C);
  const HidInterfaceInfo mouse = find(0x0103, 0x01);
  {
    auto held = backend.open(vendor, true);
    ASSERT_TRUE(held);
    EXPECT_FALSE(backend.open(vendor, false));
    EXPECT_FALSE(backend.open(mouse, true)) << "collections of one node share its lock";
  }
  auto shared = backend.open(vendor, false);
  ASSERT_TRUE(shared);
  EXPECT_TRUE(backend.open(mouse, false));
  EXPECT_FALSE(backend.open(vendor, true));
}

TEST_F(HidLinuxBackendTest, OpenFailsWhenTheNodeIsMissingOrNoLongerTheSameDevice) {
  tree.add({6, 0x3CA1, 0x0106, "No node", "", "", descriptors::vendorWithReportId(), false});
  EXPECT_FALSE(backend.open(find(0x0106, 0xFF00), false));

  HidInterfaceInfo stale = find(0x0103, 0xFF00);
  stale.productId = 0x0107;
  EXPECT_FALSE(backend.open(stale, false));
}

TEST_F(HidLinuxBackendTest, ReadsAReportWrittenIntoTheNode) {
  auto connection = backend.open(find(0x0103, 0xFF00), false);
  ASSERT_TRUE(connection);
  const int writer = ::open(QFile::encodeName(tree.devNode(2)).constData(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  const QByteArray report = QByteArray::fromHex("02a10080008000100000ff");
  ASSERT_EQ(::write(writer, report.constData(), size_t(report.size())), report.size());
  uint8_t buffer[12] = {};
  EXPECT_EQ(connection->read(buffer, 12), report.size());
  EXPECT_EQ(buffer[1], 0xa1);
  ::close(writer);
}

// Socket pairs keep report boundaries and report hang-up like an unplugged node.
class HidLinuxConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
    LinuxHidConnection::ReportFormat lengths;
    lengths.output = 9;
    lengths.numbered = true;
    connection = std::make_unique<LinuxHidConnection>(fds[0], lengths);
    device = fds[1];
  }
  void TearDown() override {
    if (device >= 0) ::close(device);
  }
  void send(const QByteArray& report) {
    ASSERT_EQ(::send(device, report.constData(), size_t(report.size()), 0), report.size());
  }

  std::unique_ptr<LinuxHidConnection> connection;
  int device = -1;
};

TEST_F(HidLinuxConnectionTest, ReadNeverWritesPastTheCallersBuffer) {
  send(QByteArray::fromHex("02 0102030405060708090a0b"));
  send(QByteArray::fromHex("02 ffee"));
  uint8_t buffer[8];
  memset(buffer, 0x5a, sizeof buffer);
  EXPECT_EQ(connection->read(buffer, 4), 4);
  EXPECT_EQ(buffer[3], 0x03);
  EXPECT_EQ(buffer[4], 0x5a);
  EXPECT_EQ(connection->read(buffer, 8), 3) << "the rest of the long report is dropped, not delivered later";
  EXPECT_EQ(buffer[1], 0xff);
}

// The vendor collection of a node that also carries a mouse and a keyboard
// reads only its own reports, as each collection is its own device on the
// systems the report layouts were written for.
TEST_F(HidLinuxConnectionTest, ReportsOfTheNodesOtherCollectionsAreDropped) {
  LinuxHidConnection::ReportFormat format;
  format.numbered = true;
  format.inputIds.set(3).set(4);
  int fds[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
  LinuxHidConnection vendor(fds[0], format);
  for (const char* report : {"0101020300", "02000004000000000000", "03aa", "0700", "04bb"}) {
    const QByteArray bytes = QByteArray::fromHex(report);
    ASSERT_EQ(::send(fds[1], bytes.constData(), size_t(bytes.size()), 0), bytes.size());
  }
  uint8_t buffer[64];
  EXPECT_EQ(vendor.read(buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[1], 0xaa);
  EXPECT_EQ(vendor.read(buffer, sizeof buffer), 2);
  EXPECT_EQ(buffer[1], 0xbb);
  ::close(fds[1]);
}

// A cancel that lands just after its read returned (a firmware answer that
// beat its deadline by a hair) must not end the next read.
TEST_F(HidLinuxConnectionTest, ACancelAfterTheReadReturnedLeavesTheNextReadAlone) {
  uint8_t buffer[12];
  send(QByteArray::fromHex("0201"));
  EXPECT_EQ(connection->read(buffer, 12), 2);
  connection->cancelRead();
  connection->cancelRead();
  send(QByteArray::fromHex("0202"));
  EXPECT_EQ(connection->read(buffer, 12), 2);
  EXPECT_EQ(buffer[1], 0x02);
  EXPECT_FALSE(connection->isGone());
}

TEST_F(HidLinuxConnectionTest, ABoundedReadGivesUpWithNothingAndTheReportStillComes) {
  uint8_t buffer[12];
  EXPECT_EQ(connection->read(buffer, 12, 20), 0);
  EXPECT_EQ(connection->read(buffer, 12, 0), 0);
  EXPECT_FALSE(connection->isGone());
  send(QByteArray::fromHex("0203"));
  EXPECT_EQ(connection->read(buffer, 12, 1000), 2);
  EXPECT_EQ(buffer[1], 0x03);
}

TEST_F(HidLinuxConnectionTest, HangUpMakesTheConnectionGoneForGood) {
  ::close(device);
  device = -1;
  uint8_t buffer[12];
  EXPECT_EQ(connection->read(buffer, 12), 0);
  EXPECT_TRUE(connection->isGone());
  EXPECT_EQ(connection->read(buffer, 12), 0);
  EXPECT_EQ(connection->write(buffer, 9), 0);
}

}  // namespace
