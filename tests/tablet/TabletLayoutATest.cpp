// Layout A: the pen tablets and the Fjord2Pro, little-endian with tilt.

#include "TabletRig.h"

#include "driver/core/MyQmlEnum.h"

using namespace MyQmlEnum;

namespace {

class LayoutA : public ::testing::TestWithParam<int> {};

INSTANTIATE_TEST_SUITE_P(Models, LayoutA,
                         ::testing::Values(CFG_VarnexK10PlusV2, CFG_VarnexK40V2, CFG_LarkA, CFG_LarkB, CFG_LarkC,
                                           CFG_LarkD1, CFG_LarkD2, CFG_LarkD2B, CFG_LarkD3, CFG_LarkD3B, CFG_MesaA,
                                           CFG_MesaB, CFG_Fjord2Pro),
                         modelName);

}  // namespace

TEST_P(LayoutA, FirstReportIsDiscardedThenPenReportsDecode) {
  TabletRig rig(GetParam());
  EXPECT_EQ(rig.feed("02 A1 10 27 20 4E FF 0F 12 34", true), Tablet::Consumed);
  EXPECT_FALSE(rig.tablet->penState().valid);

  // Every layout A model counts in hundredths of a millimetre.
  ASSERT_EQ(rig.feed("02 A1 10 27 20 4E FF 0F 12 34"), Tablet::PenReport);
  const PenState& pen = rig.tablet->penState();
  EXPECT_EQ(rig.tablet->report().x, 10000u);
  EXPECT_EQ(rig.tablet->report().y, 20000u);
  EXPECT_DOUBLE_EQ(pen.x, 10000.0 / rig.model.maxX * rig.tablet->settings.width);
  EXPECT_NEAR(pen.x, 100.0, 1e-9);
  EXPECT_DOUBLE_EQ(pen.y, 20000.0 / rig.model.maxY * rig.tablet->settings.height);
  EXPECT_DOUBLE_EQ(pen.pressure, 4095.0 / 8191.0);
  EXPECT_EQ(pen.tiltX, 0x12);
  EXPECT_EQ(pen.tiltY, 0x34);
  EXPECT_EQ(pen.code, 3);
  EXPECT_EQ(pen.status, 0xA1);
  EXPECT_TRUE(pen.valid);
  EXPECT_FALSE(pen.outOfRange);
}

TEST_P(LayoutA, StatusSetsTheCodeAndUnknownStatusKeepsIt) {
  TabletRig rig(GetParam());
  const struct {
    const char* report;
    int code;
  } steps[] = {{"02 A0 01 00 01 00 00 00 00 00", 2}, {"02 77 01 00 01 00 00 00 00 00", 2},
               {"02 A1 01 00 01 00 00 00 00 00", 3}, {"02 C0 00 00 00 00 00 00 00 00", 1},
               {"02 00 00 00 00 00 00 00 00 00", 1}};
  for (const auto& step : steps) {
    ASSERT_EQ(rig.feed(step.report), Tablet::PenReport) << step.report;
    EXPECT_EQ(rig.tablet->penState().code, step.code) << step.report;
    EXPECT_EQ(rig.tablet->penState().outOfRange, step.code == 1);
  }
  // The pen tablets keep whatever position the leaving report gives.
  if (GetParam() < CFG_Fjord1) {
    EXPECT_EQ(rig.tablet->penState().x, 0.0);
  }
}

TEST_P(LayoutA, PenButtonPressIsAnnouncedAndItsReleaseGivesNoPenOutput) {
  TabletRig rig(GetParam());
  rig.holdWithKey(PenDownKey, "lower", "[F2]");
  rig.holdWithKey(PenUpKey, "upper", "[F3]");

  EXPECT_EQ(rig.feed("02 A2 01 00 01 00 00 00 00 00"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->penState().code, 4);
  EXPECT_EQ(rig.feed("02 A3 01 00 01 00 00 01 00 00"), Tablet::PenReport);  // still held, tip down
  EXPECT_EQ(rig.tablet->penState().code, 5);
  EXPECT_EQ(rig.input->texts(), QStringList({"0x71 down"}));
  EXPECT_EQ(rig.feed("02 A0 01 00 01 00 00 00 00 00"), Tablet::Consumed);
  EXPECT_EQ(rig.input->texts(), QStringList({"0x71 down", "0x71 up", "0x71 up"}));
  EXPECT_EQ(rig.tablet->pendingKey(), 0);

  rig.input->clear();
  EXPECT_EQ(rig.feed("02 A5 01 00 01 00 00 01 00 00"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->penState().code, 7);
  EXPECT_EQ(rig.feed("02 A4 01 00 01 00 00 00 00 00"), Tablet::PenReport);
  EXPECT_EQ(rig.tablet->penState().code, 6);
  // Leaving the surface with the button held releases it too.
  EXPECT_EQ(rig.feed("02 C0 00 00 00 00 00 00 00 00"), Tablet::Consumed);
  EXPECT_EQ(rig.input->texts(), QStringList({"0x72 down", "0x72 up", "0x72 up"}));
  ASSERT_EQ(rig.hints->size(), 4);
  EXPECT_EQ(rig.hints->at(0).at(0).toString(), "lower");
  EXPECT_EQ(rig.hints->at(2).at(0).toString(), "upper");
}

TEST_P(LayoutA, EraserButtonsSwitchTheTipToEraser) {
  TabletRig rig(GetParam());
  rig.keys->functions[PenDownKey] = EPenEraserTool;
  rig.keys->functions[PenUpKey] = EEraserTool;

  rig.feed("02 A2 01 00 01 00 00 00 00 00");
  rig.feed("02 A0 01 00 01 00 00 00 00 00");
  EXPECT_TRUE(Tablet::eraserMode());
  rig.feed("02 A1 01 00 01 00 00 01 00 00");
  EXPECT_EQ(rig.tablet->penState().code, 9);

  rig.feed("02 A2 01 00 01 00 00 00 00 00");
  rig.feed("02 A0 01 00 01 00 00 00 00 00");
  EXPECT_FALSE(Tablet::eraserMode());
  rig.feed("02 A1 01 00 01 00 00 01 00 00");
  EXPECT_EQ(rig.tablet->penState().code, 3);

  // The eraser button sets eraser mode, it does not toggle it.
  for (int i = 0; i < 2; ++i) {
    rig.feed("02 A4 01 00 01 00 00 00 00 00");
    rig.feed("02 A0 01 00 01 00 00 00 00 00");
    EXPECT_TRUE(Tablet::eraserMode());
  }
}

TEST(LayoutAFailures, ReadFailureUnknownModelAndClosedTablet) {
  TabletRig rig(CFG_LarkA);
  rig.device->unplug();
  EXPECT_EQ(rig.tablet->readReport(false), Tablet::NothingRead);
  EXPECT_FALSE(rig.tablet->penState().valid);

  TabletRig unknown(CFG_LarkB);
  unknown.tablet->start(20000);
  EXPECT_EQ(unknown.feed("02 A1 10 27 20 4E FF 0F 00 00"), Tablet::Consumed);

  Tablet closed(0x1234, 0x5678, 0xFF0A, 1, false);
  EXPECT_FALSE(closed.isOpen());
  EXPECT_EQ(closed.readReport(false), Tablet::NothingRead);
  closed.settings.initReport = {0x02, 0xB0, 0x04};
  EXPECT_FALSE(closed.start(CFG_LarkA));
}

TEST(TabletStart, InitReportIsWrittenPaddedToTheOutputReportLength) {
  TabletRig rig(CFG_MesaA, 64, 16);
  rig.device->clearWrittenReports();
  rig.tablet->settings.initReport = {0x02, 0xB0, 0x04};
  rig.tablet->settings.initReportLength = 3;
  ASSERT_TRUE(rig.tablet->start(CFG_MesaA));
  const auto reports = rig.device->outputReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], QByteArray::fromHex("02B00400000000000000000000000000"));
  EXPECT_EQ(rig.tablet->penStateCode(), 1);

  rig.device->setWritesFail(true);
  EXPECT_FALSE(rig.tablet->start(CFG_MesaA));
}
