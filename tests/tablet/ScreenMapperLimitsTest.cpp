// Monitor and window rectangles at the int limits (from a settings file, a
// command line or a broken window system): the mapper clamps them before any
// arithmetic, so nothing overflows and every position stays on the desktop.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ScreenMapper.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace MyQmlEnum;

namespace {

void expectOnDesktop(ScreenMapper& mapper, double x, double y) {
  mapper.map(x, y);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
  EXPECT_GE(x, 0);
  EXPECT_LE(x, 1);
  EXPECT_GE(y, 0);
  EXPECT_LE(y, 1);
}

// A monitor outside the desktop it is said to be part of may land off it,
// but by a bounded amount the digitizer's scaling can hold.
void expectBounded(ScreenMapper& mapper, double x, double y) {
  mapper.map(x, y);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
  EXPECT_LE(std::abs(x), 1024);
  EXPECT_LE(std::abs(y), 1024);
}

}  // namespace

TEST(ScreenMapperLimits, RectanglesAtTheIntLimitsAreClampedBeforeAnyArithmetic) {
  ScreenMapper::resetSharedScreens();
  ConfigFile* settings = ConfigFile::instance();
  settings->setRectSize(DynamicRectScreen, QRect(0, 0, 300, 168));
  settings->setRectSize(DynamicRectTablet, QRect(0, 0, 260, 160));
  settings->setRectSize(MaxVirtualTablet, QRect(0, 0, INT_MAX, INT_MAX));
  ScreenMapper mapper;
  mapper.setDesktopRect(QRectF(0, 0, 1920, 1080));
  mapper.setTabletRect(QRectF(0, 0, 260, 160));

  const QRect huge(0, 0, INT_MAX, INT_MAX);
  // Built from corners: QRect's own constructor would overflow adding them up.
  const QRect farAway(QPoint(INT_MAX - 10, INT_MIN + 10), QPoint(INT_MAX, INT_MIN + 110));
  mapper.setMapperArea(huge, huge);
  expectOnDesktop(mapper, 130, 80);
  mapper.setMapperArea(farAway, huge);
  expectBounded(mapper, 0, 0);
  mapper.setMapperArea(QRect(0, 0, 1920, 1080), QRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  expectOnDesktop(mapper, 260, 160);
  EXPECT_LE(std::abs(ScreenMapper::selectedScreen().x()), 1 << 21);
  EXPECT_LE(ScreenMapper::allScreens().width(), 1 << 20);
  settings->setRectSize(MaxVirtualTablet, QRect(0, 0, 260, 160));
}
