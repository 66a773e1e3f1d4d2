#include "platform/session/HandOverMessage.h"

#include <gtest/gtest.h>

namespace {

using platform::HandOverMessage;

TEST(HandOverMessageTest, TheShowMessageArrivesWholeOnlyWhenAllOfItIsThere) {
  const QByteArray wire = HandOverMessage::showWindow().encode();
  EXPECT_EQ(wire.toHex(),
            "6627000004000000"
            "01000000");
  HandOverMessage message;
  int used = 0;
  for (int size = 0; size < wire.size(); ++size) {
    EXPECT_EQ(HandOverMessage::parse(wire.left(size), message, used), HandOverMessage::Parse::Incomplete) << size;
  }
  ASSERT_EQ(HandOverMessage::parse(wire + "trailing", message, used), HandOverMessage::Parse::Complete);
  EXPECT_EQ(message.dwData, 10086u);
  EXPECT_EQ(message.data, QByteArray("\1\0\0\0", 4));
  EXPECT_EQ(used, 12);
}

TEST(HandOverMessageTest, AnAnnouncedLengthBeyondTheLimitIsRefusedAtOnce) {
  HandOverMessage big;
  big.dwData = 1;
  big.data = QByteArray(int(HandOverMessage::kMaxData) + 1, 'x');
  HandOverMessage message;
  int used = 0;
  EXPECT_EQ(HandOverMessage::parse(big.encode().left(8), message, used), HandOverMessage::Parse::Invalid);
  EXPECT_EQ(HandOverMessage::parse(QByteArray::fromHex("01000000ffffffff"), message, used),
            HandOverMessage::Parse::Invalid);
}

}  // namespace
