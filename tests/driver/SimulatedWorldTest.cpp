// The simulated world: reports built for every model decode as the driver
// reads them, and a simulated tablet's pen reaches the recording virtual pen
// mapped onto the screen.

#include "ControllerRig.h"

#include "driver/app/SimulatedReports.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ExpressKeyMap.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/ReportLayout.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/input/sim/SimInputInjector.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <cstring>

namespace {

int formatOf(const ModelEntry& model) {
  for (const ModelTable::FormatName& format : ModelTable::formatNames())
    if (qstricmp(format.name, model.formatName) == 0) return format.devType;
  return -1;
}

LayoutState decode(const ModelEntry& model, const QByteArray& report) {
  LayoutState state;
  ReportLayout::forDevType(model.devType)->decode(reinterpret_cast<const uint8_t*>(report.constData()), state);
  return state;
}

int littleEndian16(const QByteArray& report, int at) { return uint8_t(report[at]) | (uint8_t(report[at + 1]) << 8); }

}  // namespace

TEST(SimulatedReports, EveryModelsReportsDecodeToWhatWasMeant) {
  for (const ModelEntry& model : ModelTable::models()) {
    SCOPED_TRACE(model.key);
    const SimulatedReports reports(model);
    // Far corners, with the largest pressure, and a touch too light to keep
    // the lowest bit where the family carries it in the status byte.
    for (const int pressure : {model.maxPressure, 1, 200}) {
      const LayoutState touch = decode(model, reports.pen(model.maxX, model.maxY - 1, pressure));
      EXPECT_EQ(touch.penStateCode, 3);
      EXPECT_EQ(int(touch.report.x), model.maxX);
      EXPECT_EQ(int(touch.report.y), model.maxY - 1);
      // Families that carry the lowest bit in the status set it on every touch.
      EXPECT_NEAR(int(touch.report.pressure), pressure, 1);
    }
    const LayoutState hover = decode(model, reports.pen(-5, 3, 0));
    EXPECT_EQ(hover.penStateCode, 2);
    EXPECT_EQ(int(hover.report.x), 0);
    EXPECT_EQ(int(hover.report.pressure), 0);
    EXPECT_EQ(decode(model, reports.outOfRange()).penStateCode, 1);

    if (!reports.hasExpressKey()) continue;
    const LayoutState down = decode(model, reports.keyDown());
    ASSERT_EQ(down.penStateCode, 0);
    int32_t key = MyQmlEnum::NokeyDown;
    EXPECT_FALSE(ExpressKeyMap::apply(formatOf(model), down.report.status, down.report.x, key));
    EXPECT_NE(key, MyQmlEnum::NokeyDown);
    const LayoutState up = decode(model, reports.keyUp());
    ASSERT_EQ(up.penStateCode, 0);
    EXPECT_TRUE(ExpressKeyMap::apply(formatOf(model), up.report.status, up.report.x, key));
  }
}

TEST(SimulatedReports, ModelsWithExpressKeysPressOne) {
  int withKeys = 0;
  for (const ModelEntry& model : ModelTable::models()) withKeys += SimulatedReports(model).hasExpressKey() ? 1 : 0;
  // Most families have keys; the key-less ones must not send key reports
  // that the driver would read as a key held down forever.
  EXPECT_GE(withKeys, 13);
  EXPECT_TRUE(SimulatedReports(*ModelTable::byKey("Fjord1")).keyDown().isEmpty());
}

using SimulatedDriver = ControllerRig;

TEST_F(SimulatedDriver, PenAndKeysOfTheSimulatedTabletReachTheSystem) {
  const ModelEntry& model = *ModelTable::byKey("LarkA");
  SimulatedWorld& world = plugIn(model.key);
  ASSERT_TRUE(startController().isConnected());
  platform::RecordingPenOutput& pen = *world.platform().pen();
  pen.clear();

  const SimulatedReports reports(model);
  // The driver drops the first report after a start.
  world.tablet()->pushInput(reports.pen(0, 0, 0));
  world.tablet()->pushInput(reports.pen(model.maxX / 4, model.maxY * 3 / 4, model.maxPressure / 2));
  ASSERT_TRUE(waitFor([&] { return !pen.penReports().empty(); }));
  const QByteArray report = pen.penReports().back();
  ASSERT_GE(report.size(), 10);
  EXPECT_EQ(uint8_t(report[3]), 0x21);  // in range, tip down
  // The whole tablet covers the whole (single) screen.
  EXPECT_NEAR(littleEndian16(report, 4), 32767 / 4, 32767 / 50);
  EXPECT_NEAR(littleEndian16(report, 6), 32767 * 3 / 4, 32767 / 50);
  EXPECT_GT(littleEndian16(report, 8), 0);

  world.tablet()->pushInput(reports.keyDown());
  world.tablet()->pushInput(reports.keyUp());
  ASSERT_TRUE(waitFor([&] {
    world.collect();
    return world.received().keyEvents >= 2;
  }));
}

TEST_F(SimulatedDriver, TheFigureSweepsTheScreenWithVaryingPressureAndLifts) {
  const ModelEntry& model = *ModelTable::byKey("Fjord4Pro");
  SimulatedWorld& world = plugIn(model.key);
  ASSERT_TRUE(startController().isConnected());
  platform::RecordingPenOutput& pen = *world.platform().pen();
  pen.clear();
  // Seven seconds of the figure, with one key press and release among them.
  for (int i = 0; i < 700; ++i) world.feedNextReport();
  EXPECT_EQ(world.reportsSent(), 700);
  // All but the key reports and the first report, which the driver drops.
  ASSERT_TRUE(waitFor([&] { return pen.penReports().size() >= 697; }));
  const std::vector<QByteArray> reports = pen.penReports();
  m_controller.reset();

  int minX = 65535, maxX = 0;
  QSet<int> pressures;
  QSet<int> statuses;
  for (const QByteArray& report : reports) {
    const int x = littleEndian16(report, 4);
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    pressures << littleEndian16(report, 8);
    statuses << uint8_t(report[3]);
  }
  EXPECT_EQ(reports.size(), 697u);
  EXPECT_GT(maxX - minX, 32767 / 2);
  EXPECT_GT(pressures.size(), 100);
  EXPECT_TRUE(statuses.contains(0x21) && statuses.contains(0x20)) << "touching and lifted";
}
