#include "driver/tablet/HidDevice.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(HidProductCode, ACapabilityWordWithTheTopBitSetKeepsItsBits) {
  // The boot loader's word is 32 bits unsigned; read as a signed number its
  // top bit made the whole word 0, and every check it asks for was skipped.
  EXPECT_EQ(uint32_t(HidDevice::productCodeFromProductString("Boot (80000007)")), 0x80000007u);
  EXPECT_EQ(uint32_t(HidDevice::productCodeFromProductString("Boot (8f0000004)")), 0x80000004u);
  EXPECT_EQ(HidDevice::productCodeFromProductString("Boot (123456789)"), 0);  // more than 32 bits
}
