#include "EdidBuilder.h"
#include "driver/display/EdidMonitorName.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

TEST(EdidMonitorName, NameEndsAtTheLineFeedAndUsesAllThirteenBytesWithoutOne) {
  EXPECT_EQ(edidMonitorName(edidNamed("ABC")), "ABC");
  EXPECT_EQ(edidMonitorName(edidNamed("Fjord5Pro-XYZ")), "Fjord5Pro-XYZ");
  EXPECT_EQ(edidMonitorName(makeEdid({{1, 0xFC, "HDMI1\n\xff\xff"}})), "HDMI1");
}

TEST(EdidMonitorName, OnlyProductNameDescriptorsCountAndTheLastOneWins) {
  EXPECT_EQ(edidMonitorName(makeEdid({{0, 0xFF, "SERIAL123\n"}, {1, 0xFE, "TEXT\n"}})), "");
  EXPECT_EQ(edidMonitorName(makeEdid({{1, 0xFC, "First\n"}, {3, 0xFC, "Second\n"}})), "Second");
  EXPECT_EQ(edidMonitorName(makeEdid({{0, 0xFC, "Only\n"}, {2, 0xFF, "SERIAL\n"}})), "Only");
  // A descriptor with the tag but a non-zero first byte is a timing, not a name.
  QByteArray timing = edidNamed("Name");
  timing[54 + 3 * 18] = 1;
  EXPECT_EQ(edidMonitorName(timing), "");
}

TEST(EdidMonitorName, TextIsLatin1AndStopsAtAZeroByte) {
  EXPECT_EQ(edidMonitorName(edidNamed("Caf\xe9")), QString::fromUtf8("Café"));
  EXPECT_EQ(edidMonitorName(makeEdid({{3, 0xFC, QByteArray("AB\0CD\n", 6)}})), "AB");
}

TEST(EdidMonitorName, ShortBlocksHaveNoNameAndNothingPastTheEndIsRead) {
  const QByteArray full = edidNamed("ABC");
  for (int length : {0, 1, 54, 126, 127}) {
    // Exactly `length` bytes on the heap, so a read past them trips ASan.
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[size_t(length) + 0]);
    std::memcpy(bytes.get(), full.constData(), size_t(length));
    EXPECT_TRUE(edidMonitorNameBytes(bytes.get(), size_t(length)).isEmpty()) << length;
  }
  EXPECT_TRUE(edidMonitorNameBytes(nullptr, 128).isEmpty());
  // Extension blocks after the base block change nothing.
  EXPECT_EQ(edidMonitorName(full + QByteArray(128, '\x02')), "ABC");
}
