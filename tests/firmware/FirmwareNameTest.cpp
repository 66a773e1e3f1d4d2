#include "driver/firmware/FirmwareFileName.h"
#include "driver/firmware/FirmwareModels.h"

#include <gtest/gtest.h>

TEST(FirmwareFileName, SplitsTheLastPathComponentIntoFields) {
  const auto name = FirmwareFileName::parse("/home/ann/Downloads/PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->productCode(), "PV01");
  EXPECT_EQ(name->firmwareType(), "CP1");
  EXPECT_EQ(name->penType(), "W3");
  EXPECT_EQ(name->hardwareRange(), "HV[1.00^1.99]");
  // Dashes in the directory do not count; empty fields do.
  EXPECT_FALSE(FirmwareFileName::parse("/tmp/a-b-c-d-e/PV01-CP1-W3-HV[1.00^1.99].bin"));
  const auto sparse = FirmwareFileName::parse("C:\\fw\\PV01--W3--x");
  ASSERT_TRUE(sparse);
  EXPECT_EQ(sparse->firmwareType(), "");
}

TEST(FirmwareFileName, HardwareRangeIncludesBothEndsAndNeedsExactlyTwoBounds) {
  EXPECT_TRUE(FirmwareFileName::hardwareInRange("HV[1.00^1.99]", "1.05"));
  EXPECT_TRUE(FirmwareFileName::hardwareInRange("HV[1.00^1.99]", "1.99"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV[1.00^1.99]", "2.00"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV[1.00^1.99]", "0.99"));
  EXPECT_TRUE(FirmwareFileName::hardwareInRange("HV[1.00^1.00]", "1.00"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV[1.00^1.00]", "1.01"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV[1.00]", "1.00"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV[1.00^1.50^1.99]", "1.20"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV1.00^1.99]", "1.20"));
  EXPECT_FALSE(FirmwareFileName::hardwareInRange("HV[1.00^1.99", "1.20"));
  // Text around the brackets is ignored; a bound that is no number is 0.
  EXPECT_TRUE(FirmwareFileName::hardwareInRange("xHV[1.00^1.99]y", "1.50"));
  EXPECT_TRUE(FirmwareFileName::hardwareInRange("HV[abc^1.99]", "0.00"));
}

TEST(FirmwareModels, ChipCodesMapToFirmwareTypesOutOfOrder) {
  EXPECT_EQ(FirmwareModels::firmwareTypeForChip(1), "CP1");
  EXPECT_EQ(FirmwareModels::firmwareTypeForChip(6), "CP7");
  EXPECT_EQ(FirmwareModels::firmwareTypeForChip(7), "CP8");
  EXPECT_EQ(FirmwareModels::firmwareTypeForChip(8), "CP6");
  EXPECT_EQ(FirmwareModels::firmwareTypeForChip(0), "");
  EXPECT_EQ(FirmwareModels::firmwareTypeForChip(9), "");
  for (int chip = 1; chip <= 8; ++chip)
    EXPECT_EQ(FirmwareModels::chipCodeForFirmwareType(FirmwareModels::firmwareTypeForChip(chip)), chip);
  EXPECT_EQ(FirmwareModels::chipCodeForFirmwareType("cp1"), 255);
  EXPECT_EQ(FirmwareModels::chipCodeForFirmwareType("CP9"), 255);
}

TEST(FirmwareModels, OlderBootLoadersTakeTheirOwnQueryWord) {
  EXPECT_EQ(FirmwareModels::versionQueryWord(14000), 0x0102);
  EXPECT_EQ(FirmwareModels::versionQueryWord(16000), 0x0102);
  EXPECT_EQ(FirmwareModels::versionQueryWord(15000), 0x0101);
  EXPECT_EQ(FirmwareModels::versionQueryWord(19000), 0x0101);
  EXPECT_FALSE(FirmwareModels::byDevType(21000));
}
