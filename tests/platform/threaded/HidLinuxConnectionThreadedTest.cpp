#include "platform/hid/linux/LinuxHidConnection.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>
#include <chrono>
#include <future>
#include <thread>

using platform::LinuxHidConnection;

namespace {

class HidLinuxConnectionThreadedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
    connection = std::make_unique<LinuxHidConnection>(fds[0], LinuxHidConnection::ReportFormat{9, 0, true, {}});
    device = fds[1];
  }
  void TearDown() override {
    if (device >= 0) ::close(device);
  }

  // A read on another thread that is given time to block; whether it really
  // blocked shows in it not having finished.
  std::future<int> startRead() {
    auto read = std::async(std::launch::async, [this] { return connection->read(buffer, sizeof buffer); });
    EXPECT_EQ(read.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    return read;
  }

  std::unique_ptr<LinuxHidConnection> connection;
  int device = -1;
  uint8_t buffer[12] = {};
};

TEST_F(HidLinuxConnectionThreadedTest, BlockedReadReturnsTheReportThatArrives) {
  auto read = startRead();
  ASSERT_EQ(::send(device, "\x02\x10\x20", 3, 0), 3);
  EXPECT_EQ(read.get(), 3);
  EXPECT_EQ(buffer[2], 0x20);
}

TEST_F(HidLinuxConnectionThreadedTest, BlockedReadReturnsZeroWhenCancelled) {
  auto read = startRead();
  connection->cancelRead();
  ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(read.get(), 0);
  EXPECT_FALSE(connection->isGone());
}

TEST_F(HidLinuxConnectionThreadedTest, UnplugWhileAReadIsPendingEndsIt) {
  auto read = startRead();
  ::close(device);
  device = -1;
  ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(read.get(), 0);
  EXPECT_TRUE(connection->isGone());
}

}  // namespace
