// Layouts B, C and D: the pen displays with big-endian reports, pressure bits
// in the status byte, tool reports, and the wide panels' X extension.

#include "TabletRig.h"

#include "driver/core/MyQmlEnum.h"

#include <QTest>
#include <thread>

using namespace MyQmlEnum;

namespace {
// A pen report telling that the pen tip (not the eraser end) is near.
const char* const kPenTipTool = "02 C2 00 20 00 00 00 00";
const char* const kEraserEndTool = "02 C2 00 A0 00 00 00 00";
}  // namespace

TEST(LayoutB, TenBitPressureBigEndianPositionAndTools) {
  TabletRig rig(CFG_Fjord1);
  EXPECT_TRUE(rig.tablet->toolFlag());
  ASSERT_EQ(rig.feed(kPenTipTool), Tablet::PenReport);
  EXPECT_FALSE(rig.tablet->toolFlag());
  EXPECT_EQ(rig.input->texts(), QStringList({"0x42 down", "0x42 up"}));
  EXPECT_EQ(rig.tablet->penState().code, 1);  // tool reports keep the code

  ASSERT_EQ(rig.feed("02 A1 01 02 03 04 FF C0"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->report().x, 0x0102u);
  EXPECT_EQ(rig.tablet->report().y, 0x0304u);
  EXPECT_EQ(rig.tablet->report().pressure, 1023);
  EXPECT_DOUBLE_EQ(rig.tablet->penState().pressure, 1.0);
  EXPECT_EQ(rig.tablet->penState().code, 3);

  // A second pen-tip report does nothing; the eraser end taps "E" and makes
  // the tip an eraser.
  rig.input->clear();
  rig.feed(kPenTipTool);
  rig.feed(kEraserEndTool);
  EXPECT_EQ(rig.input->texts(), QStringList({"0x45 down", "0x45 up"}));
  rig.feed("02 A1 01 02 03 04 80 00");
  EXPECT_EQ(rig.tablet->penState().code, 9);

  for (const char* status : {"80", "A0", "A4", "A5"}) {
    rig.feed(QByteArray("02 ").append(status).append(" 01 02 03 04 00 00").constData());
  }
  EXPECT_EQ(rig.tablet->penState().code, 5);
  EXPECT_EQ(rig.tablet->pendingKey(), PenDownKey);
  EXPECT_EQ(rig.feed("01 00 00 00 00 00 00 00"), Tablet::Consumed);  // a key report: Fjord1 has no keys
}

class LayoutC13 : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Models, LayoutC13, ::testing::Values(CFG_Fjord3, CFG_Fjord4), modelName);

TEST_P(LayoutC13, ThirteenBitPressureFromBytesAndStatus) {
  TabletRig rig(GetParam());
  rig.feed(kPenTipTool);
  ASSERT_EQ(rig.feed("02 8D 00 64 00 C8 FF C0"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->report().pressure, 8191);
  EXPECT_EQ(rig.tablet->penState().code, 3);
  // Each pressure bit from its own place: byte 6 bit 0 is bit 5, byte 7 bit
  // 6 is bit 3, status bit 2 is bit 1, status bit 0 is bit 0.
  rig.feed("02 84 00 64 00 C8 01 40");
  EXPECT_EQ(rig.tablet->report().pressure, (1 << 5) | (1 << 3) | (1 << 1));
  rig.feed("02 A1 00 64 00 C8 00 00");
  EXPECT_EQ(rig.tablet->report().pressure, 1);
  EXPECT_EQ(rig.tablet->penState().code, 3);

  rig.feed("02 AB 00 64 00 C8 00 00");  // bit 1: tip down with the lower button
  EXPECT_EQ(rig.tablet->penState().code, 5);
  EXPECT_EQ(rig.feed("02 A0 00 64 00 C8 00 00"), Tablet::Consumed);
  rig.feed("02 A2 00 64 00 C8 00 00");
  EXPECT_EQ(rig.tablet->penState().code, 4);
}

TEST(LayoutC11, ElevenBitPressureOfTheFjord5) {
  TabletRig rig(CFG_Fjord5);
  EXPECT_FALSE(rig.tablet->toolFlag());
  ASSERT_EQ(rig.feed("02 8D 00 64 00 C8 FF C0"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->report().pressure, 2047);
  EXPECT_DOUBLE_EQ(rig.tablet->penState().pressure, 1.0);
  rig.feed("02 8C 00 64 00 C8 01 40");
  EXPECT_EQ(rig.tablet->report().pressure, (1 << 3) | (1 << 1));
}

TEST(LastPosition, PenDisplaysLeaveWherePenWasAndKeyReportsDoNotMoveIt) {
  TabletRig rig(CFG_Fjord5pro);
  rig.feed("00 41 A0 FF FF 01 20 4E 00 00 00 00 00");
  rig.feed("00 42 00 08 00 00 00 00 00 00 00 00 00");  // a key report between
  ASSERT_EQ(rig.feed("00 41 C0 00 00 00 00 00 00 00 00 00 00"), Tablet::PenReport);
  EXPECT_TRUE(rig.tablet->penState().outOfRange);
  // 131070 does not fit 16 bits; the position is kept whole.
  EXPECT_EQ(rig.tablet->report().x, 131070u);
  EXPECT_EQ(rig.tablet->report().y, 20000u);
}

class LayoutD : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Models, LayoutD, ::testing::Values(CFG_Fjord4Pro, CFG_Fjord5pro), modelName);

TEST_P(LayoutD, SubTypeLetterExtendedXAndTilt) {
  TabletRig rig(GetParam());
  ASSERT_EQ(rig.feed("00 41 A1 FF FF 01 20 4E 77 FF 1F 05 06"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->report().x, 131070u);
  EXPECT_EQ(rig.tablet->report().y, 20000u);
  EXPECT_EQ(rig.tablet->report().pressure, 8191);
  EXPECT_EQ(rig.tablet->report().reportId, 'A');
  EXPECT_EQ(rig.tablet->penState().tiltX, 5);
  EXPECT_EQ(rig.tablet->penState().tiltY, 6);
  EXPECT_DOUBLE_EQ(rig.tablet->penState().x, 131070.0 / rig.model.maxX * rig.tablet->settings.width);
  rig.feed("00 41 A1 10 27 00 20 4E 00 00 00 00 00");
  EXPECT_EQ(rig.tablet->report().x, 10000u);

  // Other sub-types keep the code.
  rig.feed("00 43 C0 00 00 00 00 00 00 00 00 00 00");
  EXPECT_EQ(rig.tablet->penState().code, 3);
}

TEST_P(LayoutD, UpperButtonPressThenReleaseWithoutPenOutput) {
  TabletRig rig(GetParam());
  rig.holdWithKey(PenUpKey, "upper", "[F3]");
  ASSERT_EQ(rig.feed("00 41 A4 10 27 00 20 4E 00 00 00 00 00"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->penState().code, 6);
  EXPECT_EQ(rig.input->texts(), QStringList({"0x72 down"}));
  EXPECT_EQ(rig.feed("00 41 A0 10 27 00 20 4E 00 00 00 00 00"), Tablet::Consumed);
  EXPECT_EQ(rig.input->texts(), QStringList({"0x72 down", "0x72 up", "0x72 up"}));
  EXPECT_EQ(rig.tablet->pendingKey(), 0);
}

TEST_P(LayoutD, SecondInitReportFollowsWithoutDisturbingAPendingRead) {
  TabletRig rig(GetParam());
  // The rig's own start sent one already.
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.device->outputReports().size() == 1; }, 2000));
  rig.device->clearWrittenReports();
  rig.tablet->settings.initReport = {0x09, 0x01, 0x04};

  int result = 0;
  std::thread reader([&] { result = rig.tablet->readReport(false); });
  ASSERT_TRUE(rig.device->waitForBlockedReads(1, 2000));
  ASSERT_TRUE(rig.tablet->start(GetParam()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.device->outputReports().size() == 2; }, 2000));
  const auto reports = rig.device->outputReports();
  EXPECT_EQ(reports[0].left(4), QByteArray::fromHex("09010400"));
  EXPECT_EQ(reports[1].left(10), QByteArray::fromHex("09020200000000000000"));
  EXPECT_EQ(reports[1].size(), 64);

  rig.device->pushInput(QByteArray::fromHex("0041A1102700204E0000000000"));
  reader.join();
  EXPECT_EQ(result, Tablet::PenReport);
  EXPECT_EQ(rig.tablet->report().x, 10000u);
}
