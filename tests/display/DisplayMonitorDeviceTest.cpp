#include "SimDesk.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/display/DisplayMonitorDevice.h"

#include <gtest/gtest.h>

using namespace MyQmlEnum;
using platform::DisplayChangeBadMode;
using platform::DisplayChangeSuccessful;

namespace {

QString penDisplayFor(int devType) {
  DisplayMonitorDevice monitors;
  monitors.setDevType(devType);
  return monitors.findPenDisplayDevice();
}

}  // namespace

// Each pen display beside a desk monitor of another maker, and a plain
// tablet: which output is taken for the pen.
struct PenDisplayCase {
  int devType;
  QByteArray penMonitorName;
  const char* expected;
};

class PenDisplayPerModel : public ::testing::TestWithParam<PenDisplayCase> {};

TEST_P(PenDisplayPerModel, IsFoundBesideADeskMonitor) {
  SimDesk desk;
  desk.add("DP-1", "DELL U2720Q").add("HDMI-1", GetParam().penMonitorName).add("DP-2", "LG ULTRAFINE");
  EXPECT_EQ(penDisplayFor(GetParam().devType), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllModels, PenDisplayPerModel,
    ::testing::Values(PenDisplayCase{CFG_Fjord2Pro, "Fjord2 Pro", "HDMI-1"}, PenDisplayCase{CFG_Fjord1, "", "HDMI-1"},
                      PenDisplayCase{CFG_Fjord3, "", "HDMI-1"}, PenDisplayCase{CFG_Fjord4, "HDMI", "HDMI-1"},
                      PenDisplayCase{CFG_Fjord4Pro, "Fjord4 Pro", "HDMI-1"},
                      PenDisplayCase{CFG_Fjord5, "HDMI1", "HDMI-1"},
                      PenDisplayCase{CFG_Fjord5pro, "Fjord5Pro", "HDMI-1"},
                      // Case matters: a monitor calling itself "fjord5pro" is not ours.
                      PenDisplayCase{CFG_Fjord5pro, "fjord5pro", ""},
                      PenDisplayCase{CFG_LarkA, "NoScreenName", "HDMI-1"}, PenDisplayCase{CFG_LarkA, "Fjord5Pro", ""},
                      PenDisplayCase{CFG_None, "HDMI1", ""}));

TEST(PenDisplay, OneOutputIsThePenDisplayWhateverItsNameAndNoOutputIsNone) {
  SimDesk desk;
  EXPECT_EQ(penDisplayFor(CFG_Fjord5), "");
  desk.add("eDP-1", "Laptop Panel");
  EXPECT_EQ(penDisplayFor(CFG_VarnexK10PlusV2), "eDP-1");
  EXPECT_EQ(penDisplayFor(CFG_Fjord5pro), "eDP-1");
}

TEST(PenDisplay, TheLastQualifyingOutputWins) {
  SimDesk desk;
  desk.add("HDMI-1", "HDMI1").add("DP-1", "DELL U2720Q");
  EXPECT_EQ(penDisplayFor(CFG_Fjord5), "HDMI-1");
  // "HDMI1" contains the Fjord4's "HDMI".
  EXPECT_EQ(penDisplayFor(CFG_Fjord4), "HDMI-1");

  SimDesk nameless;
  nameless.add("DP-1", "").add("DP-2", "");
  EXPECT_EQ(penDisplayFor(CFG_Fjord5pro), "DP-2");
  nameless.add("DP-3", "Fjord5Pro");
  EXPECT_EQ(penDisplayFor(CFG_Fjord5pro), "DP-3");
}

TEST(PenDisplay, TheListIsReadAgainOnEveryQuestion) {
  SimDesk desk;
  desk.add("HDMI-1", "HDMI1").add("DP-1", "DELL");
  DisplayMonitorDevice monitors;
  monitors.setDevType(CFG_Fjord5);
  EXPECT_EQ(monitors.findPenDisplayDevice(), "HDMI-1");
  desk.clear();
  desk.add("DP-1", "DELL").add("HDMI-2", "HDMI1");
  EXPECT_EQ(monitors.findPenDisplayDevice(), "HDMI-2");
}

TEST(MonitorRect, ComesFromTheLastOutputOfThatNameAndIsNullOnceItIsGone) {
  SimDesk desk;
  desk.add("DP-1", "A", QRect(0, 0, 2560, 1440)).add("HDMI-1", "B", QRect(2560, 0, 1920, 1080));
  desk.add("HDMI-1", "C", QRect(2560, 1080, 1280, 1024));
  DisplayMonitorDevice monitors;
  EXPECT_EQ(monitors.monitorRect("HDMI-1"), QRect(2560, 1080, 1280, 1024));
  EXPECT_TRUE(monitors.monitorRect("VGA-1").isNull());

  // Unplugged between the refresh and the question: the record still
  // answers until the next refresh, after which the rectangle is null.
  desk.clear();
  desk.add("DP-1", "A", QRect(0, 0, 2560, 1440));
  EXPECT_EQ(monitors.monitorRect("HDMI-1"), QRect(2560, 1080, 1280, 1024));
  monitors.DisplayMonitorDeviceDataUpdate();
  EXPECT_TRUE(monitors.monitorRect("HDMI-1").isNull());
}

TEST(MonitorNameMap, IsKeyedByOutputSoTwinMonitorsKeepOneEntryEach) {
  SimDesk desk;
  desk.add("DP-1", "Fjord5Pro").add("DP-2", "Fjord5Pro").add("HDMI-1", "");
  DisplayMonitorDevice monitors;
  const QMap<QString, QString> expected{{"DP-1", "Fjord5Pro"}, {"DP-2", "Fjord5Pro"}, {"HDMI-1", ""}};
  EXPECT_EQ(monitors.monitorNameMap(), expected);
}

TEST(RotateMonitor, SwapsWidthAndHeightOnlyBetweenLandscapeAndPortrait) {
  SimDesk desk;
  desk.add("HDMI-1", "HDMI1");
  DisplayMonitorDevice monitors;
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", 1), DisplayChangeSuccessful);
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", 3), DisplayChangeSuccessful);
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", 2), DisplayChangeSuccessful);
  const auto changes = desk.outputs().modeChanges();
  ASSERT_EQ(changes.size(), 3);
  EXPECT_EQ(changes[0].size, QSize(1080, 1920));
  EXPECT_EQ(changes[0].orientation, 1);
  EXPECT_EQ(changes[1].size, QSize(1080, 1920));
  EXPECT_EQ(changes[1].orientation, 3);
  EXPECT_EQ(changes[2].size, QSize(1920, 1080));
  EXPECT_EQ(monitors.monitors().first().displayMode.displayOrientation, 2);
}

TEST(RotateMonitor, ARefusedModeIsTriedAgainAtFullHdAndThatResultCounts) {
  SimDesk desk;
  desk.add("HDMI-1", "HDMI1", QRect(0, 0, 2560, 1440));
  desk.outputs().refuseSize(QSize(1440, 2560));
  DisplayMonitorDevice monitors;
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", 1), DisplayChangeSuccessful);
  auto changes = desk.outputs().modeChanges();
  ASSERT_EQ(changes.size(), 2);
  EXPECT_EQ(changes[0].result, DisplayChangeBadMode);
  EXPECT_EQ(changes[1].size, QSize(1080, 1920));

  desk.outputs().refuseSize(QSize(1920, 1080));
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", 0), DisplayChangeBadMode);
  EXPECT_EQ(desk.outputs().modeChanges().size(), 4);
}

TEST(RotateMonitor, UnknownOutputsAndOrientationsChangeNothing) {
  SimDesk desk;
  desk.add("HDMI-1", "HDMI1");
  DisplayMonitorDevice monitors;
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", 4), 0);
  EXPECT_EQ(monitors.rotateMonitor("HDMI-1", -1), 0);
  EXPECT_EQ(monitors.rotateMonitor("DP-9", 1), 0);
  EXPECT_TRUE(desk.outputs().modeChanges().isEmpty());
  EXPECT_EQ(monitors.monitors().first().displayMode.pelsWidth, 1920);
}
