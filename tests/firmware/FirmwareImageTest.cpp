#include "FirmwareTestSupport.h"

#include "driver/firmware/Crc16X25.h"
#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/FirmwareTransferImage.h"

#include <gtest/gtest.h>

using fwtest::makeFirmware;
using fwtest::makePayload;

TEST(Crc16X25, MatchesTheCheckValueAndIsZeroOverNothing) {
  const char* digits = "123456789";
  EXPECT_EQ(crc16X25(reinterpret_cast<const uint8_t*>(digits), 9), 0x906E);
  EXPECT_EQ(crc16X25(nullptr, 0), 0x0000);
}

TEST(FirmwareImage, AnEmptyPayloadPassesOnlyWithTheSumsOfZero) {
  QByteArray file(26, '\0');
  EXPECT_FALSE(FirmwareImage::checkBytes(file));
  file[8] = char(0x55);
  file[10] = char(0xAA);
  EXPECT_TRUE(FirmwareImage::checkBytes(file));
  file[12] = char(0x01);
  EXPECT_FALSE(FirmwareImage::checkBytes(file));
  EXPECT_FALSE(FirmwareImage::checkBytes(file.left(25)));
}

TEST(FirmwareImage, APayloadSummingToZeroNeeds55AndAA) {
  const QByteArray payload = QByteArray::fromHex("0100ff");  // 0x01 + 0xFF wraps to 0
  const QByteArray file = makeFirmware(payload, 0);
  EXPECT_EQ(uint8_t(file[8]), 0x55);
  EXPECT_EQ(uint8_t(file[10]), 0xAA);
  EXPECT_TRUE(FirmwareImage::checkBytes(file));
}

TEST(FirmwareImage, EachStoredSumIsCheckedInOrderAndTheFirstFailureIsLogged) {
  const QByteArray good = makeFirmware(makePayload(2), 2048);
  ASSERT_TRUE(FirmwareImage::checkBytes(good));
  struct Case {
    int offset;
    const char* line;
  };
  for (const Case& c : {Case{8, "CheckFw_Xor55"}, Case{10, "CheckFw_XorAA"}, Case{12, "CheckFw_Crc16"}}) {
    QByteArray bad = good;
    bad[c.offset] = char(bad[c.offset] ^ 0x01);
    fwtest::LogCapture log;
    EXPECT_FALSE(FirmwareImage::checkBytes(bad)) << c.line;
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines().front(), QStringLiteral("[ERROR]: %1: 0").arg(c.line));
  }
  // A flipped payload byte breaks the first sum already.
  QByteArray flipped = good;
  flipped[100] = char(flipped[100] ^ 0x10);
  EXPECT_FALSE(FirmwareImage::checkBytes(flipped));
}

TEST(FirmwareImage, RefusesAHeaderThatAnnouncesBlocksTheFileDoesNotHold) {
  // Two records in the file: 2048 bytes (two blocks) fit, a third block does not.
  const QByteArray payload = makePayload(2);
  EXPECT_TRUE(FirmwareImage::checkBytes(makeFirmware(payload, 2048)));
  EXPECT_FALSE(FirmwareImage::checkBytes(makeFirmware(payload, 2049)));
  EXPECT_FALSE(FirmwareImage::checkBytes(makeFirmware(payload, 0xFFFFFFFFu)));
  // A last record held only in part is still sent (filled up with 0xFF).
  EXPECT_TRUE(FirmwareImage::checkBytes(makeFirmware(payload.left(1025 + 1), 2048)));
  EXPECT_FALSE(FirmwareImage::checkBytes(makeFirmware(payload.left(1025), 2048)));
}

TEST(FirmwareImage, OnlyTheBytesTheTransferReadsCount) {
  // Blocks starting past 512 KiB are never read by the transfer.
  const int records = 524288 / 1025 + 2;
  const QByteArray payload = makePayload(records);
  const uint32_t readable = (524288 - 26) / 1025 + 1;
  EXPECT_TRUE(FirmwareImage::checkBytes(makeFirmware(payload, readable * 1024)));
  EXPECT_FALSE(FirmwareImage::checkBytes(makeFirmware(payload, (readable + 1) * 1024)));
}


TEST(FirmwareTransferImage, CutsRecordsWithTheirHeadAndFillsAPartialRecord) {
  const QByteArray payload = makePayload(2).left(1025 + 10);
  const QString path = fwtest::writeFile("cut.bin", makeFirmware(payload, 1025, 0xBEEF));
  FirmwareTransferImage image;
  ASSERT_TRUE(image.load(path));
  ASSERT_EQ(image.blockCount(), 2u);

  const QByteArray first = image.blockPayload(0);
  ASSERT_EQ(first.size(), 7 + 1025);
  EXPECT_EQ(first.left(7).toHex(), QByteArray("00beef00000401"));
  EXPECT_EQ(first.mid(7), payload.left(1025));

  const QByteArray last = image.blockPayload(1);
  EXPECT_EQ(last.left(7).toHex(), QByteArray("01beef00010401"));
  EXPECT_EQ(last.mid(7, 10), payload.mid(1025, 10));
  EXPECT_EQ(last.mid(17), QByteArray(1015, char(0xFF)));

  EXPECT_TRUE(image.blockPayload(2).isEmpty());
}

TEST(FirmwareTransferImage, NeverCutsABlockTheFileDoesNotHold) {
  const QString path = fwtest::writeFile("short.bin", makeFirmware(makePayload(1), 3 * 1024));
  FirmwareTransferImage image;
  ASSERT_TRUE(image.load(path));
  EXPECT_EQ(image.blockCount(), 3u);
  EXPECT_FALSE(image.blockPayload(0).isEmpty());
  EXPECT_TRUE(image.blockPayload(1).isEmpty());
  EXPECT_FALSE(image.load(path + ".missing"));
  EXPECT_EQ(image.blockCount(), 0u);
}
