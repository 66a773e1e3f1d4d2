#include "platform/hid/linux/LinuxHidConnection.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>
#include <atomic>
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
  // A cancel ends only a read in flight; a loaded machine may not have
  // started the read yet, so cancel until it ends.
  for (int i = 0; i < 250 && read.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready; ++i)
    connection->cancelRead();
  ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
  EXPECT_EQ(read.get(), 0);
  EXPECT_FALSE(connection->isGone());
  // Nothing of the cancel is left for the next read.
  ASSERT_EQ(::send(device, "\x02\x11", 2, 0), 2);
  EXPECT_EQ(connection->read(buffer, sizeof buffer, 1000), 2);
}

// Cancels racing with reads that return reports: every report is read by
// exactly one read, and a cancel never reaches past the read it found.
TEST_F(HidLinuxConnectionThreadedTest, CancelsRacingWithReturningReadsLoseNoReport) {
  std::atomic<bool> done{false};
  std::thread canceller([&] {
    while (!done) connection->cancelRead();
  });
  int received = 0;
  for (int i = 0; i < 200; ++i) {
    const char report[2] = {0x02, char(i)};
    ASSERT_EQ(::send(device, report, 2, 0), 2);
    // Cancelled reads return 0; the report waits for the next one.
    int got = 0;
    for (int attempt = 0; attempt < 10000 && got == 0; ++attempt) got = connection->read(buffer, sizeof buffer);
    ASSERT_EQ(got, 2);
    EXPECT_EQ(buffer[1], uint8_t(i));
    ++received;
  }
  done = true;
  canceller.join();
  EXPECT_EQ(received, 200);
  // With the canceller gone, a bounded read finds nothing left over.
  EXPECT_EQ(connection->read(buffer, sizeof buffer, 20), 0);
  ASSERT_EQ(::send(device, "\x02\x7f", 2, 0), 2);
  EXPECT_EQ(connection->read(buffer, sizeof buffer, 1000), 2);
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
