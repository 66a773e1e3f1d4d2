// The bounded wait for a boot loader's answer: a watch thread cancels the
// blocked read on the GUI thread. Run under ThreadSanitizer.

#include "driver/firmware/IapFrame.h"
#include "driver/firmware/ReadDeadline.h"
#include "driver/firmware/sim/SimIapDevice.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <memory>

namespace {

std::unique_ptr<platform::HidConnection> openIap(const std::shared_ptr<SimIapDevice>& device) {
  return device->open(device->interfaces().front(), false);
}

int exchange(platform::HidConnection& connection, const Iap::Command& command, int timeoutMs, bool* expired) {
  QByteArray report = Iap::buildRequest(command);
  report.append(QByteArray(SimIapDevice::kOutputReportLength - report.size(), '\0'));
  connection.write(reinterpret_cast<const uint8_t*>(report.constData()), report.size());
  uint8_t answer[SimIapDevice::kInputReportLength];
  ReadDeadline deadline(timeoutMs, [&connection] { connection.cancelRead(); });
  const int received = connection.read(answer, sizeof answer);
  *expired = deadline.expired();
  return received;
}

}  // namespace

TEST(ReadDeadline, CancelsAReadThatGetsNoAnswerAndLeavesAnsweredOnesAlone) {
  auto device = std::make_shared<SimIapDevice>(SimIapDevice::Config());
  auto connection = openIap(device);
  ASSERT_TRUE(connection);
  bool expired = false;

  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(exchange(*connection, Iap::kQueryRunRegion, 2000, &expired), SimIapDevice::kInputReportLength);
    EXPECT_FALSE(expired);
  }

  device->setFault(SimIapDevice::Fault::NoAnswer);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(exchange(*connection, Iap::kQueryRunRegion, 50, &expired), 0);
  EXPECT_TRUE(expired);
  EXPECT_LT(clock.elapsed(), 1500);

  // The tablet answers again and the next exchange is whole.
  device->setFault(SimIapDevice::Fault::None);
  EXPECT_EQ(exchange(*connection, Iap::kQueryRunRegion, 2000, &expired), SimIapDevice::kInputReportLength);
  EXPECT_FALSE(expired);
}
