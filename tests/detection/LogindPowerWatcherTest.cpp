// The logind watcher against a stand-in logind on a private bus daemon: the
// sleep delay lock is held while running, let go only after the suspend has
// been handled, and taken again after wake.

#include "platform/session/linux/LogindPowerWatcher.h"
#include "tests/detection/LogCapture.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// Answers Inhibit with one end of a pipe and keeps the other, so the test
// sees when the watcher lets go of its lock: the pipe reports hang-up once
// the last copy of the handed-out end is closed.
class FakeLogind : public QDBusVirtualObject {
 public:
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.member() != "Inhibit") return false;
    inhibits << message.arguments();
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return false;
    m_lockEnds.push_back(ends[0]);
    QDBusMessage reply = message.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(ends[1])));
    ::close(ends[1]);
    connection.send(reply);
    return true;
  }
  QString introspect(const QString&) const override { return QString(); }

  // Whether the lock handed out by the n-th Inhibit is still held.
  bool lockHeld(int n) const {
    pollfd entry{m_lockEnds.at(size_t(n)), POLLIN, 0};
    return ::poll(&entry, 1, 0) == 0;
  }
  ~FakeLogind() override {
    for (int fd : m_lockEnds) ::close(fd);
  }

  QList<QVariantList> inhibits;

 private:
  std::vector<int> m_lockEnds;
};

class LogindPowerWatcherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (bus.address().isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    service = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(bus.address(), "fake-logind"));
    client = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(bus.address(), "driver"));
    ASSERT_TRUE(service->isConnected() && client->isConnected());
    ASSERT_TRUE(client->connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing);
  }
  void TearDown() override {
    QDBusConnection::disconnectFromBus("fake-logind");
    QDBusConnection::disconnectFromBus("driver");
  }
  void startLogind() {
    ASSERT_TRUE(service->registerVirtualObject("/org/freedesktop/login1", &logind));
    ASSERT_TRUE(service->registerService("org.freedesktop.login1"));
  }
  void send(const QString& signal, bool value) {
    QDBusMessage message =
        QDBusMessage::createSignal("/org/freedesktop/login1", "org.freedesktop.login1.Manager", signal);
    message << value;
    service->send(message);
  }

  PrivateBus bus;
  std::unique_ptr<QDBusConnection> service;
  std::unique_ptr<QDBusConnection> client;
  FakeLogind logind;
};

TEST_F(LogindPowerWatcherTest, HoldsTheSleepDelayUntilTheSuspendIsHandled) {
  startLogind();
  platform::LogindPowerWatcher watcher(*client);
  QTRY_COMPARE_WITH_TIMEOUT(watcher.holdsSleepDelay(), true, 10000);
  ASSERT_EQ(logind.inhibits.size(), 1);
  EXPECT_EQ(logind.inhibits[0].value(0).toString(), "sleep");
  EXPECT_EQ(logind.inhibits[0].value(3).toString(), "delay");
  EXPECT_TRUE(logind.lockHeld(0));

  QStringList order;
  QObject::connect(&watcher, &platform::PowerWatcher::suspending, [&] {
    order << (logind.lockHeld(0) ? "suspend handled while the machine waits" : "suspend handled too late");
  });
  QObject::connect(&watcher, &platform::PowerWatcher::resumed, [&] { order << "resumed"; });
  QObject::connect(&watcher, &platform::PowerWatcher::shuttingDown, [&] { order << "power off"; });

  send("PrepareForSleep", true);
  QTRY_COMPARE_WITH_TIMEOUT(order.size(), 1, 10000);
  QTRY_VERIFY_WITH_TIMEOUT(!logind.lockHeld(0), 10000);
  EXPECT_FALSE(watcher.holdsSleepDelay());

  send("PrepareForSleep", false);
  QTRY_COMPARE_WITH_TIMEOUT(logind.inhibits.size(), 2, 10000);
  QTRY_COMPARE_WITH_TIMEOUT(watcher.holdsSleepDelay(), true, 10000);
  EXPECT_TRUE(logind.lockHeld(1));

  send("PrepareForShutdown", true);
  QTRY_COMPARE_WITH_TIMEOUT(order.size(), 3, 10000);
  EXPECT_EQ(order, QStringList({"suspend handled while the machine waits", "resumed", "power off"}));
}

TEST_F(LogindPowerWatcherTest, WithoutLogindItSaysSoOnceAndWorksOn) {
  LogCapture log;
  platform::LogindPowerWatcher watcher(*client);
  QTRY_VERIFY_WITH_TIMEOUT(log.contains("sleep and wake go unnoticed"), 10000);
  EXPECT_FALSE(watcher.holdsSleepDelay());
  EXPECT_EQ(log.text().count("sleep and wake go unnoticed"), 1);
}

TEST(LogindPowerWatcherNoBusTest, WithoutABusItSaysSoOnce) {
  LogCapture log;
  platform::LogindPowerWatcher watcher(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "nowhere"));
  EXPECT_EQ(log.text().count("sleep and wake go unnoticed"), 1);
  QDBusConnection::disconnectFromBus("nowhere");
}

}  // namespace
