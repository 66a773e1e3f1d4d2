// The XRandR outputs against a real X server (a private Xvfb, which has one
// output "screen" that cannot turn), and the DRM sysfs fallback for EDIDs.

#include "EdidBuilder.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/display/DisplayMonitorDevice.h"
#include "platform/display/linux/XrandrDisplayOutputs.h"
#include "tests/platform/InputXvfbServer.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

using platform::DisplayChangeBadMode;
using platform::DisplayChangeBadParam;
using platform::DisplayChangeFailed;
using platform::DisplayChangeSuccessful;
using platform::XrandrDisplayOutputs;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class XrandrOutputs : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!m_server.running()) GTEST_SKIP() << "Xvfb could not be started";
    m_client = XOpenDisplay(m_server.display().constData());
    ASSERT_NE(m_client, nullptr);
    m_drmRoot = testenv::freshDir("drm");
  }
  void TearDown() override {
    if (m_client) XCloseDisplay(m_client);
    platform::DisplayOutputs::install(nullptr);
  }

  // What an X driver does for a monitor it has read: publish its EDID on the output.
  void publishEdid(const QByteArray& edid) {
    XRRScreenResources* resources = XRRGetScreenResources(m_client, DefaultRootWindow(m_client));
    ASSERT_NE(resources, nullptr);
    ASSERT_GE(resources->noutput, 1);
    const Atom edidAtom = XInternAtom(m_client, RR_PROPERTY_RANDR_EDID, False);
    XRRChangeOutputProperty(m_client, resources->outputs[0], edidAtom, XA_INTEGER, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(edid.constData()), edid.size());
    XSync(m_client, False);
    XRRFreeScreenResources(resources);
  }

  std::unique_ptr<XrandrDisplayOutputs> outputs() {
    return std::make_unique<XrandrDisplayOutputs>(m_server.display(), m_drmRoot);
  }

  InputXvfbServer m_server;
  Display* m_client = nullptr;
  QString m_drmRoot;
};

}  // namespace

TEST_F(XrandrOutputs, ReadsTheOutputItsRectangleAndTheMonitorNameOfItsEdid) {
  QVector<platform::DisplayOutput> found = outputs()->outputs();
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found[0].name, "screen");
  EXPECT_EQ(found[0].rect, QRect(0, 0, 640, 480));
  EXPECT_EQ(found[0].orientation, 0);
  EXPECT_EQ(found[0].modeSize, QSize(640, 480));
  EXPECT_TRUE(found[0].edid.isEmpty());

  const QByteArray edid = edidNamed("Fjord5Pro") + QByteArray(128, '\x02');
  publishEdid(edid);
  found = outputs()->outputs();
  ASSERT_EQ(found.size(), 1);
  EXPECT_EQ(found[0].edid, edid);

  platform::DisplayOutputs::install(outputs());
  DisplayMonitorDevice monitors;
  EXPECT_EQ(monitors.monitorNameMap(), (QMap<QString, QString>{{"screen", "Fjord5Pro"}}));
  monitors.setDevType(MyQmlEnum::CFG_VarnexK10PlusV2);
  EXPECT_EQ(monitors.findPenDisplayDevice(), "screen");
  EXPECT_EQ(monitors.monitorRect("screen"), QRect(0, 0, 640, 480));
}

TEST_F(XrandrOutputs, WithoutTheEdidPropertyTheDrmConnectorOfTheSameNameIsRead) {
  writeFile(m_drmRoot + "/card0-screen/status", "connected\n");
  writeFile(m_drmRoot + "/card0-screen/edid", edidNamed("HDMI1"));
  platform::DisplayOutputs::install(outputs());
  DisplayMonitorDevice monitors;
  EXPECT_EQ(monitors.monitorNameMap().value("screen"), "HDMI1");
  // The property, once there, counts over sysfs.
  publishEdid(edidNamed("DELL"));
  EXPECT_EQ(monitors.monitorNameMap().value("screen"), "DELL");
}

TEST_F(XrandrOutputs, TurningAnOutputThatCannotTurnFailsCleanly) {
  platform::DisplayOutputs::install(outputs());
  DisplayMonitorDevice monitors;
  // Refused, then refused again at 1080 × 1920.
  EXPECT_NE(monitors.rotateMonitor("screen", 1), DisplayChangeSuccessful);
  EXPECT_EQ(monitors.rotateMonitor("nothing", 1), 0);

  auto direct = outputs();
  EXPECT_EQ(direct->setMode("screen", 1, QSize(480, 640)), DisplayChangeBadMode);
  EXPECT_EQ(direct->setMode("screen", 0, QSize(1920, 1080)), DisplayChangeBadMode);
  EXPECT_EQ(direct->setMode("HDMI-9", 0, QSize(640, 480)), DisplayChangeBadParam);
  // Its own mode upright is accepted, and nothing moved.
  EXPECT_EQ(direct->setMode("screen", 0, QSize(640, 480)), DisplayChangeSuccessful);
  const QVector<platform::DisplayOutput> after = direct->outputs();
  ASSERT_EQ(after.size(), 1);
  EXPECT_EQ(after[0].rect, QRect(0, 0, 640, 480));
  EXPECT_EQ(after[0].orientation, 0);
}

TEST(XrandrWithoutDisplay, FindsNoOutputsAndRefusesChanges) {
  XrandrDisplayOutputs nowhere(":987654");
  EXPECT_TRUE(nowhere.outputs().isEmpty());
  EXPECT_EQ(nowhere.setMode("screen", 1, QSize(1080, 1920)), DisplayChangeFailed);
}

TEST(DrmEdid, MatchesTheConnectorWhateverTheDriverCallsTheOutput) {
  const QString root = testenv::freshDir("drm-names");
  writeFile(root + "/card0-HDMI-A-1/status", "connected\n");
  writeFile(root + "/card0-HDMI-A-1/edid", edidNamed("HDMI1"));
  writeFile(root + "/card0-DP-2/status", "disconnected\n");
  writeFile(root + "/card0-DP-2/edid", edidNamed("STALE"));
  writeFile(root + "/card0/edid", edidNamed("CARD"));
  for (const char* name : {"HDMI-1", "HDMI1", "HDMI-A-1", "hdmi-a-1"}) {
    EXPECT_EQ(platform::drmEdidForOutput(root, name), edidNamed("HDMI1")) << name;
  }
  EXPECT_TRUE(platform::drmEdidForOutput(root, "DP-2").isEmpty());
  EXPECT_TRUE(platform::drmEdidForOutput(root, "HDMI-2").isEmpty());
  EXPECT_TRUE(platform::drmEdidForOutput(root + "/missing", "HDMI-1").isEmpty());
}
