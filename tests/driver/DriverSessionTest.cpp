// Finding the connected tablet by its USB identity and the interface it is
// read from.

#include "driver/app/DriverSession.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/SimulatedTablet.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/system/sim/SimulatedPlatform.h"

#include <gtest/gtest.h>

TEST(DriverSession, FindsTheTabletOnlyByItsVendorInterface) {
  const platform::SimulatedPlatform world;
  EXPECT_EQ(DriverSession::findConnectedTablet(), nullptr);

  // The same USB device's keyboard interface is not the tablet.
  const ModelEntry& mesa = *ModelTable::byKey("MesaB");
  platform::SimHidDevice::Collection keyboard;
  keyboard.usagePage = 0x0001;
  keyboard.usage = 0x0006;
  keyboard.inputReportLength = 8;
  auto other = std::make_shared<platform::SimHidDevice>(mesa.vendorId, mesa.productId,
                                                        std::vector<platform::SimHidDevice::Collection>{keyboard});
  other->plugIn();
  EXPECT_EQ(DriverSession::findConnectedTablet(), nullptr);

  const auto tablet = SimulatedTablet::plugIn(mesa);
  EXPECT_EQ(DriverSession::findConnectedTablet(), &mesa);
  tablet->unregister();
  other->unregister();
}

TEST(DriverSession, StopsOnceAndStartsAgain) {
  DriverSession session;
  ASSERT_TRUE(session.startSimulated(*ModelTable::byKey("LarkB")));
  session.stop();
  session.stop();
  EXPECT_EQ(session.device().tablet(), nullptr);
  // A second start replaces the simulated world and its tablet.
  ASSERT_TRUE(session.startSimulated(*ModelTable::byKey("Fjord1")));
  EXPECT_NE(session.device().tablet(), nullptr);
  EXPECT_STREQ(session.world()->model().key, "Fjord1");
}
