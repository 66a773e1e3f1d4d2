#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/output/RelativeMotion.h"
#include "driver/output/VMulti.h"
#include "driver/output/VMultiDigitizer.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ScreenMapper.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/virtualpen/VirtualPen.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace MyQmlEnum;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

// A 100 x 100 mm tablet mapped onto one full-HD monitor, the virtual pen
// recording what reaches it.
class DigitizerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    HidDevice::setSearchPauses(0, 0);
    m_pen = platform::VirtualPen::installRecorder();
    RelativeMotion::resetPenWasOut();
    VMultiDigitizer::resetLiftState();
    ScreenMapper::resetSharedScreens();

    ConfigFile* settings = ConfigFile::instance();
    settings->setRectSize(DynamicRectScreen, QRect(0, 0, 300, 168));
    settings->setRectSize(MaxVirtualTablet, QRect(0, 0, 250, 250));
    settings->setRectSize(DynamicRectTablet, QRect(0, 0, 250, 250));
    settings->setPenPressedCurve(QPointF(1, 1), QPointF(0.5, 0.5), QPointF(0, 0));
    settings->setCoordinateModel(0);

    m_mapper = std::make_shared<ScreenMapper>();
    m_mapper->setDesktopRect(QRectF(0, 0, 1920, 1080));
    m_mapper->setTabletRect(QRectF(50, 50, 100, 100));
    m_mapper->setMapperArea(QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080));
    m_link = std::make_unique<VMulti>(2);
    ASSERT_TRUE(m_link->isOpen());
  }

  void TearDown() override { platform::VirtualPen::uninstall(); }

  std::unique_ptr<VMultiDigitizer> digitizer(int deviceType = CFG_VarnexK10PlusV2) {
    return std::make_unique<VMultiDigitizer>(m_link.get(), m_mapper, deviceType);
  }

  static PenState pen(uint8_t status, int code, double x, double y, double pressure = 0, double tiltX = 0,
                      double tiltY = 0) {
    PenState state;
    state.status = status;
    state.code = code;
    state.x = x;
    state.y = y;
    state.pressure = pressure;
    state.tiltX = tiltX;
    state.tiltY = tiltY;
    state.valid = true;
    state.outOfRange = code == 1;
    return state;
  }

  std::vector<QByteArray> sent() const { return m_pen->penReports(); }

  std::shared_ptr<platform::RecordingPenOutput> m_pen;
  std::shared_ptr<ScreenMapper> m_mapper;
  std::unique_ptr<VMulti> m_link;
};

}  // namespace

TEST_F(DigitizerTest, BuildsTheTwelveBytesOfAHoverReport) {
  auto out = digitizer();
  ASSERT_TRUE(out->sendPen(pen(0xA0, 2, 50, 50, 0.5, 200, 10)));
  ASSERT_EQ(sent().size(), 1u);
  // Middle of the desktop, pressure 0.5 · 2047 rounded up, tilt 200 as -56.
  EXPECT_EQ(sent()[0], hex("400a05200040004000"
                           "04c80a"));
}

TEST_F(DigitizerTest, StatusFollowsThePenStateCode) {
  const std::pair<int, uint8_t> table[] = {{0, 0x00}, {1, 0x00}, {2, 0x20}, {3, 0x21}, {4, 0x20}, {5, 0x21},
                                           {6, 0x20}, {7, 0x21}, {8, 0x28}, {9, 0x2C}, {42, 0x00}};
  for (const auto& [code, status] : table) EXPECT_EQ(VMultiDigitizer::statusForCode(code), status) << code;
}

TEST_F(DigitizerTest, FullPressureIs2047InTheReportAnd8191Or2047Live) {
  auto tablet = digitizer(CFG_VarnexK10PlusV2);
  QSignalSpy tabletLive(tablet.get(), &VMultiDigitizer::s_pressureValue);
  tablet->sendPen(pen(0xA1, 3, 50, 50, 1.0));
  ASSERT_EQ(tabletLive.size(), 1);
  EXPECT_FLOAT_EQ(tabletLive[0][0].toFloat(), 1.0f);
  EXPECT_FLOAT_EQ(tabletLive[0][1].toFloat(), 8191.0f);
  EXPECT_EQ(sent().back().mid(8, 2), hex("ff07"));

  auto fjord1 = digitizer(CFG_Fjord1);
  QSignalSpy fjordLive(fjord1.get(), &VMultiDigitizer::s_pressureValue);
  fjord1->sendPen(pen(0xA1, 3, 50, 50, 1.0));
  EXPECT_FLOAT_EQ(fjordLive[0][1].toFloat(), 2047.0f);
  EXPECT_EQ(sent().back().mid(8, 2), hex("ff07"));
}

TEST_F(DigitizerTest, ACurveLeavingTheSquareNeverTurnsALightTouchIntoFullPressure) {
  auto out = digitizer();
  QSignalSpy live(out.get(), &VMultiDigitizer::s_pressureValue);
  // Bottom point right of the input: the curve gives less than 0 for 0.1.
  out->setPressureCurvePoint(QPointF(1, 1), QPointF(0.65, 0.6), QPointF(0.3, 0.2));
  out->sendPen(pen(0xA1, 3, 50, 50, 0.1));
  EXPECT_EQ(sent().back().mid(8, 2), hex("0000"));
  EXPECT_FLOAT_EQ(live.last()[0].toFloat(), 0.0f);

  // All three points with one x give no number: the pen's pressure goes on.
  out->setPressureCurvePoint(QPointF(0.5, 1), QPointF(0.5, 0.5), QPointF(0.5, 0));
  out->sendPen(pen(0xA1, 3, 50, 50, 0.25));
  EXPECT_EQ(sent().back().mid(8, 2), hex("0002"));  // round(0.25 · 2047) = 512
  EXPECT_FLOAT_EQ(live.last()[1].toFloat(), 2048.0f);

  // Above the square: held at full pressure.
  out->setPressureCurvePoint(QPointF(1, 1.5), QPointF(0.5, 1.5), QPointF(0, 1.5));
  out->sendPen(pen(0xA1, 3, 50, 50, 0.5));
  EXPECT_EQ(sent().back().mid(8, 2), hex("ff07"));
}

TEST_F(DigitizerTest, WithoutWindowsInkAContactEndsWithAnOutOfRangeReport) {
  auto out = digitizer();
  out->setWinLnk(false);
  out->sendPen(pen(0xA1, 3, 50, 50, 0.5, 10, 20));
  out->sendPen(pen(0xA0, 2, 50, 50, 0, 10, 20));
  const auto reports = sent();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(uint8_t(reports[0][3]), 0x21);
  EXPECT_EQ(uint8_t(reports[1][3]), 0x20);
  // Same place (whole units), nothing pressed, no tilt, out of range.
  EXPECT_EQ(reports[2], hex("400a0500ff3fff3f00000000"));
  // A second hover after the lift sends only itself.
  out->sendPen(pen(0xA0, 2, 50, 50));
  EXPECT_EQ(sent().size(), 4u);
}

TEST_F(DigitizerTest, WithWindowsInkHoveringNeverSendsOutOfRange) {
  auto out = digitizer();
  out->sendPen(pen(0xA1, 3, 50, 50, 0.5));
  for (int i = 0; i < 5; ++i) out->sendPen(pen(0xA0, 2, 50 + i, 50));
  const auto reports = sent();
  ASSERT_EQ(reports.size(), 6u);
  for (const QByteArray& report : reports) EXPECT_NE(uint8_t(report[3]), 0x00);
}

TEST_F(DigitizerTest, Fjord2ProEdgeReportsAreDropped) {
  auto display = digitizer(CFG_Fjord2Pro);
  EXPECT_FALSE(display->sendPen(pen(0xA8, 2, 50, 50)));
  EXPECT_FALSE(display->sendPen(pen(0xB0, 2, 50, 50)));
  EXPECT_TRUE(sent().empty());
  EXPECT_TRUE(display->sendPen(pen(0xA0, 2, 50, 50)));
  auto tablet = digitizer(CFG_LarkA);
  EXPECT_TRUE(tablet->sendPen(pen(0xA8, 2, 50, 50)));
  EXPECT_EQ(sent().size(), 2u);
}

TEST_F(DigitizerTest, RelativeModeMovesByMotionAndIgnoresWhereThePenComesBack) {
  auto out = digitizer();
  out->setRelativeModel(true);
  auto x = [this] { return (uint8_t(sent().back()[4]) | uint8_t(sent().back()[5]) << 8); };
  out->sendPen(pen(0xA0, 2, 50, 50));
  const int start = x();
  EXPECT_NEAR(start, 16384, 1);
  out->sendPen(pen(0xA0, 2, 51, 50));  // 1 mm = 1 % of the width
  const int moved = x();
  EXPECT_NEAR(moved - start, 1.6 * 327.67, 2);
  out->sendPen(pen(0x80, 1, 51, 50));  // out of range where it was
  EXPECT_EQ(x(), moved);
  out->sendPen(pen(0xA0, 2, 10, 90));  // back in somewhere else
  EXPECT_EQ(x(), moved);
  out->setMouseRate(1.0);  // rate 3.1
  out->sendPen(pen(0xA0, 2, 11, 90));
  EXPECT_NEAR(x() - moved, 3.1 * 327.67, 2);
}

TEST_F(DigitizerTest, SettingsGiveTheStartingCurveAndMode) {
  ConfigFile::instance()->setPenPressedCurve(QPointF(1, 1), QPointF(1, 0), QPointF(0, 0));
  ConfigFile::instance()->setCoordinateModel(1);
  auto out = digitizer();
  EXPECT_TRUE(out->relativeModel());
  EXPECT_EQ(out->pressureCurve().midPoint, QPointF(1, 0));
  EXPECT_DOUBLE_EQ(out->mouseRate(), 1.6);
  EXPECT_TRUE(out->winLnk());
}
