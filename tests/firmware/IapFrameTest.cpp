#include "driver/firmware/Crc16X25.h"
#include "driver/firmware/IapFrame.h"

#include <gtest/gtest.h>

namespace {
const uint8_t* bytes(const QByteArray& array) { return reinterpret_cast<const uint8_t*>(array.constData()); }
}  // namespace

TEST(IapFrame, ARequestWithoutPayloadIsSixteenBytes) {
  Iap::setNextSequence(0x1234);
  const QByteArray report = Iap::buildRequest(Iap::kQueryRunRegion);
  ASSERT_EQ(report.size(), 16);
  EXPECT_EQ(report.left(14).toHex(), QByteArray("fd89ffff1234000600000301010"
                                                "1"));
  const uint16_t crc = crc16X25(bytes(report) + 1, 13);
  EXPECT_EQ(uint8_t(report[14]), crc >> 8);
  EXPECT_EQ(uint8_t(report[15]), crc & 0xFF);
}

TEST(IapFrame, AWriteBlockReportIs1048Bytes) {
  const QByteArray report = Iap::buildRequest(Iap::kWriteBlock, QByteArray(7 + 1025, '\x11'));
  EXPECT_EQ(report.size(), 1048);
  EXPECT_EQ(report.mid(6, 2).toHex(), QByteArray("040e"));  // 1032 + 6
}

TEST(IapFrame, TheSequenceContinuesAndWraps) {
  Iap::setNextSequence(65534);
  EXPECT_EQ(Iap::buildRequest(Iap::kJumpToBoot, QByteArray(1, '\0')).mid(4, 2).toHex(), QByteArray("fffe"));
  EXPECT_EQ(Iap::buildRequest(Iap::getShVersion(15000)).mid(4, 2).toHex(), QByteArray("ffff"));
  EXPECT_EQ(Iap::buildRequest(Iap::getShVersion(15000)).mid(4, 2).toHex(), QByteArray("0000"));
  EXPECT_EQ(Iap::nextSequence(), 1);
}

TEST(IapFrame, AnAnswerRoundTripsWithStatusAndData) {
  QByteArray answer = Iap::buildAnswer(7, Iap::kQueryRunRegion, 0, QByteArray::fromHex("0102"));
  answer.append(QByteArray(64 - answer.size(), '\0'));  // padded like an input report
  const Iap::Answer parsed = Iap::parseAnswer(bytes(answer), answer.size());
  EXPECT_EQ(parsed.status, 0u);
  EXPECT_EQ(parsed.data.toHex(), QByteArray("0102"));
  EXPECT_EQ(parsed.dataByte(5), 0);

  const QByteArray refused = Iap::buildAnswer(7, Iap::kQueryRunRegion, 0x0203, QByteArray());
  EXPECT_EQ(Iap::parseAnswer(bytes(refused), refused.size()).status, 0x0203u);
}

TEST(IapFrame, DamagedOrTruncatedAnswersCountAsStatus8) {
  const QByteArray answer = Iap::buildAnswer(1, Iap::kQueryRunRegion, 0, QByteArray::fromHex("01"));
  QByteArray badCrc = answer;
  badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 1);
  EXPECT_EQ(Iap::parseAnswer(bytes(badCrc), badCrc.size()).status, 8u);
  EXPECT_EQ(Iap::parseAnswer(bytes(answer), answer.size() - 1).status, 8u);
  const QByteArray zeros(64, '\0');
  EXPECT_EQ(Iap::parseAnswer(bytes(zeros), zeros.size()).status, 8u);
  EXPECT_EQ(Iap::parseAnswer(nullptr, 0).status, 8u);
  // A frame with a valid CRC but no room for the status word.
  const QByteArray noStatus = Iap::buildRequest(Iap::kQueryRunRegion);
  EXPECT_EQ(Iap::parseAnswer(bytes(noStatus), noStatus.size()).status, 8u);
}
