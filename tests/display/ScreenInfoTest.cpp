#include "FakeScreens.h"
#include "SimDesk.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/display/ImageProvider.h"
#include "driver/display/ScreenInfo.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>

#include <memory>

using MyQmlEnum::CFG_Fjord1;
using MyQmlEnum::CFG_Fjord5;

namespace {

QStringList names(const ScreenInfo& screens) {
  QStringList list;
  for (const QVariant& name : screens.screenNameList()) list << name.toString();
  return list;
}

QSize pictureSize(ScreenInfo& screens) {
  std::unique_ptr<ImageProvider> provider(screens.takeScreenImageProvider());
  QSize size;
  const QPixmap picture = provider->requestPixmap("any", &size, QSize());
  EXPECT_EQ(size, picture.size());
  return picture.size();
}

QRect lastReported(const QSignalSpy& spy, int which = 0) { return spy.last().at(which).toRect(); }

}  // namespace

TEST(ScreenNames, CombineOutputAndMonitorNames) {
  const QMap<QString, QString> monitors{{"DP-1", "DELL U2720Q"}, {"HDMI-1", ""}};
  EXPECT_EQ(ScreenInfo::screenNames({"DP-1"}, monitors, CFG_Fjord5, "ALL"), QStringList{"DP-1 DELL U2720Q"});
  EXPECT_EQ(ScreenInfo::screenNames({"DP-1", "HDMI-1", "VGA-1"}, monitors, CFG_Fjord5, "ALL"),
            (QStringList{"ALL", "DP-1 DELL U2720Q", "HDMI-1 ", "VGA-1"}));
  // Only the Fjord1's nameless monitor gets a name of its own.
  EXPECT_EQ(ScreenInfo::screenNames({"DP-1", "HDMI-1"}, monitors, CFG_Fjord1, "ALL"),
            (QStringList{"ALL", "DP-1 DELL U2720Q", "HDMI-1 Fjord1"}));
  // Windows-style device names are shown by their last part.
  EXPECT_EQ(ScreenInfo::screenNames({"\\\\.\\DISPLAY1"}, {{"\\\\.\\DISPLAY1", "HDMI1"}}, CFG_Fjord5, "ALL"),
            QStringList{"DISPLAY1 HDMI1"});
  EXPECT_TRUE(ScreenInfo::screenNames({}, monitors, CFG_Fjord5, "ALL").isEmpty());
}

TEST(ScreenInfoOneScreen, HasNoWholeDesktopEntryAndCountsAsClone) {
  SimDesk desk;
  ScreenInfo screens;
  EXPECT_EQ(screens.screenNameList().size(), 1);
  EXPECT_TRUE(screens.getIsCloneScreen());

  QSignalSpy reported(&screens, &ScreenInfo::realScreenRect);
  QSignalSpy pictured(&screens, &ScreenInfo::screenImageChanged);
  screens.setGrabScreenRect("no such screen");
  const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
  ASSERT_EQ(reported.size(), 1);
  EXPECT_EQ(lastReported(reported, 0), desktop);
  EXPECT_EQ(lastReported(reported, 1), desktop);
  EXPECT_EQ(pictured.size(), 1);
  EXPECT_EQ(pictureSize(screens), QSize(300, 168));
  EXPECT_EQ(screens.getScreenSize(0), desktop.width());
  EXPECT_EQ(screens.getScreenSize(1), desktop.height());
  EXPECT_EQ(screens.getScreenSize(4), 0.0);
}

class ScreenInfoDesk : public ::testing::Test {
 protected:
  void SetUp() override {
    m_desk.add("DP-1", "DELL U2720Q").add("HDMI-1", "HDMI1");
    m_fakes.add("DP-1", QRect(0, 0, 1920, 1080));
    m_fakes.add("HDMI-1", QRect(1920, 0, 1280, 1024));
  }
  SimDesk m_desk;
  FakeScreens m_fakes;
};

TEST_F(ScreenInfoDesk, AllScreenIsTheUnionOfTheScreensAndEachScreenItsOwnRectangle) {
  ScreenInfo screens;
  screens.setDevType(CFG_Fjord5);
  const QStringList list = names(screens);
  ASSERT_GE(list.size(), 3);
  EXPECT_EQ(list.first(), "ALL SCREEN");
  EXPECT_TRUE(list.contains("DP-1 DELL U2720Q")) << list.join('|').toStdString();
  EXPECT_TRUE(list.contains("HDMI-1 HDMI1"));
  EXPECT_FALSE(screens.getIsCloneScreen());

  QSignalSpy reported(&screens, &ScreenInfo::realScreenRect);
  screens.setGrabScreenRect("ALL SCREEN");
  EXPECT_EQ(lastReported(reported), QRect(0, 0, 3200, 1080));
  screens.setGrabScreenRect("HDMI-1 HDMI1");
  EXPECT_EQ(lastReported(reported), QRect(1920, 0, 1280, 1024));
  EXPECT_EQ(lastReported(reported, 1), QRect(0, 0, 3200, 1080));
  EXPECT_EQ(screens.getScreenSize(2), 1920.0);
  // A tall screen still gives the window a picture of the usual size.
  EXPECT_EQ(pictureSize(screens), QSize(300, 168));
}

// The pen display's screen is the one whose monitor name is the model's,
// not one whose connector happens to be HDMI; a pen tablet has none.
TEST_F(ScreenInfoDesk, NamesThePenDisplaysScreenByItsMonitor) {
  m_desk.clear();
  m_desk.add("HDMI-1", "DELL U2720Q").add("DP-1", "Fjord5Pro");
  m_fakes.remove("HDMI-1");
  m_fakes.remove("DP-1");
  m_fakes.add("HDMI-1", QRect(0, 0, 1920, 1080));
  m_fakes.add("DP-1", QRect(1920, 0, 1920, 1080));
  ScreenInfo screens;
  screens.setDevType(MyQmlEnum::CFG_Fjord5pro);
  EXPECT_EQ(screens.penDisplayScreenName(), "DP-1 Fjord5Pro");
  screens.setDevType(MyQmlEnum::CFG_Fjord4);
  EXPECT_EQ(screens.penDisplayScreenName(), "") << "no monitor is called HDMI";
  screens.setDevType(MyQmlEnum::CFG_LarkA);
  EXPECT_EQ(screens.penDisplayScreenName(), "");
}

// Through XWayland Qt's screens are "XWAYLAND0", "XWAYLAND1": they are the
// compositor's monitors at the same places, and are named and chosen so.
TEST_F(ScreenInfoDesk, NamesXWaylandsScreensAfterTheMonitorsAtTheirPlaces) {
  m_desk.clear();
  m_desk.add("Meta-0", "DELL U2720Q", QRect(0, 0, 1920, 1080)).add("Meta-1", "Fjord5Pro", QRect(1920, 0, 1280, 1024));
  m_fakes.remove("HDMI-1");
  m_fakes.remove("DP-1");
  m_fakes.add("XWAYLAND0", QRect(0, 0, 1920, 1080));
  m_fakes.add("XWAYLAND1", QRect(1920, 0, 1280, 1024));
  ScreenInfo screens;
  screens.setDevType(MyQmlEnum::CFG_Fjord5pro);
  const QStringList list = names(screens);
  EXPECT_TRUE(list.contains("Meta-0 DELL U2720Q")) << list.join('|').toStdString();
  EXPECT_TRUE(list.contains("Meta-1 Fjord5Pro")) << list.join('|').toStdString();
  EXPECT_EQ(screens.penDisplayScreenName(), "Meta-1 Fjord5Pro");
  QSignalSpy reported(&screens, &ScreenInfo::realScreenRect);
  screens.setGrabScreenRect("Meta-1 Fjord5Pro");
  EXPECT_EQ(lastReported(reported), QRect(1920, 0, 1280, 1024));
}

QImage picture(ScreenInfo& screens) {
  std::unique_ptr<ImageProvider> provider(screens.takeScreenImageProvider());
  QSize size;
  return provider->requestPixmap("any", &size, QSize()).toImage();
}

// These screens cannot be grabbed: the page gets the monitors drawn where
// they are, not an empty frame, and the chosen one stands out.
TEST_F(ScreenInfoDesk, DrawsTheMonitorsWhereTheScreenCannotBeGrabbed) {
  ScreenInfo screens;
  screens.setGrabScreenRect("ALL SCREEN");
  QImage all = picture(screens);
  ASSERT_EQ(all.size(), QSize(300, 168));
  // 3200 × 1080 shown in 300 × 168: DP-1 ends at x 180, HDMI-1 at y 159.
  const QRgb dp = all.pixel(20, 150), hdmi = all.pixel(290, 10), outside = all.pixel(290, 166);
  EXPECT_EQ(dp, hdmi) << "neither is chosen alone";
  EXPECT_NE(dp, outside) << "the desktop around the monitors is drawn apart";

  screens.setGrabScreenRect("HDMI-1 HDMI1");
  const QImage chosen = picture(screens);
  EXPECT_NE(chosen.pixel(20, 150), dp) << "the chosen monitor is marked";
  EXPECT_NE(chosen.pixel(20, 150), outside);
}

TEST_F(ScreenInfoDesk, FollowsScreensResizedAddedAndRemoved) {
  ScreenInfo screens;
  screens.setGrabScreenRect("HDMI-1 HDMI1");
  QSignalSpy reported(&screens, &ScreenInfo::realScreenRect);
  QSignalSpy renamed(&screens, &ScreenInfo::screenNameListChanged);

  m_fakes.move("HDMI-1", QRect(1920, 0, 1024, 1280));
  ASSERT_GE(reported.size(), 1);
  EXPECT_EQ(lastReported(reported), QRect(1920, 0, 1024, 1280));

  m_desk.add("DP-2", "LG");
  m_fakes.add("DP-2", QRect(2944, 0, 800, 600));
  EXPECT_GE(renamed.size(), 1);
  EXPECT_TRUE(names(screens).contains("DP-2 LG"));

  // The chosen screen is unplugged: its name now falls back to the desktop.
  m_fakes.remove("HDMI-1");
  EXPECT_FALSE(names(screens).contains("HDMI-1 HDMI1"));
  screens.grabScreen();
  EXPECT_EQ(screens.grabRect(), QGuiApplication::primaryScreen()->virtualGeometry());
  EXPECT_EQ(pictureSize(screens), QSize(300, 168));
}

TEST_F(ScreenInfoDesk, DelayedRefreshReportsTheRectangleHalfASecondLater) {
  ScreenInfo screens;
  screens.setGrabScreenRect("DP-1 DELL U2720Q");
  QSignalSpy reported(&screens, &ScreenInfo::realScreenRect);
  QElapsedTimer clock;
  clock.start();
  screens.refreshScreenRectLater();
  m_fakes.move("DP-1", QRect(0, 0, 1080, 1920));
  reported.clear();  // the resize itself reports at once
  screens.refreshScreenRectLater();
  ASSERT_TRUE(reported.wait(5000));
  EXPECT_GE(clock.elapsed(), 450);
  ASSERT_EQ(reported.size(), 1);
  EXPECT_EQ(lastReported(reported), QRect(0, 0, 1080, 1920));
}

TEST(ScreenImageProvider, EveryProviderShowsTheLatestPictureWhateverTheOrderOfRelease) {
  SimDesk desk;
  auto screens = std::make_unique<ScreenInfo>();
  std::unique_ptr<ImageProvider> engineOwned(screens->takeScreenImageProvider());
  screens->grabScreen();
  screens.reset();
  QSize size;
  EXPECT_EQ(engineOwned->requestPixmap("whatever", &size, QSize(10, 10)).size(), QSize(300, 168));
}
