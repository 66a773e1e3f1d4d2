// The window's dialogs with the real QML: the message that no tablet is
// connected and the firmware progress it turns into during an upgrade, the
// diagnosis tool over the real device path, the work-area example, and the
// key layout a long press of the dial shows.

#include "WindowHarness.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/core/BrowserService.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/PromptService.h"
#include "driver/core/Trans.h"
#include "driver/firmware/IapConsole.h"
#include "driver/firmware/sim/SimIapDevice.h"
#include "tests/firmware/FirmwareTestSupport.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {

using namespace MyQmlEnum;

// Takes the addresses the window hands to the desktop.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(harness.showFresh()) << harness.errors.toStdString();
    PromptService::setHandler([this](const PromptService::Prompt& prompt) {
      prompts << prompt.title + "|" + prompt.text;
      return PromptService::Answer::Ok;
    });
    FileDialogService::setHandler([this](const FileDialogService::Request&) { return chosenFile; });
    BrowserService::setHandler([this](const QString& url) {
      browsed << url;
      return true;
    });
    IapConsole::setSink([](IapConsole::Stream, const QByteArray&) {});
    QDesktopServices::setUrlHandler("file", &urls, "open");
    QDesktopServices::setUrlHandler("https", &urls, "open");
  }
  void TearDown() override {
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    PromptService::setHandler({});
    FileDialogService::setHandler({});
    BrowserService::setHandler({});
    IapConsole::setSink({});
    QFirmwareUpgrade::setTiming(QFirmwareUpgrade::Timing());
    EXPECT_TRUE(harness.errors.isEmpty()) << harness.errors.toStdString();
  }

  QQuickItem* item(const char* name, QQuickItem* under = nullptr) {
    QQuickItem* found = harness.item(name, under);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QObject* dialog(const char* name) {
    QObject* found = harness.root()->findChild<QObject*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // Open, or opening: a dialog that must show is visible at once.
  bool isOpen(const char* name) { return dialog(name)->property("visible").toBool(); }
  QString text(const char* name, QQuickItem* under = nullptr) { return item(name, under)->property("text").toString(); }
  void clickAt(QWindow* window, QPoint at) {
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    harness.settle(250);
  }
  void click(QQuickItem* it) {
    clickAt(it->window(), it->mapToScene(QPointF(it->width() / 2, it->height() / 2)).toPoint());
  }
  void showPage(int page) {
    harness.root()->setProperty("currentPage", page);
    harness.settle(250);
  }
  QQuickWindow* helpWindow() {
    return qobject_cast<QQuickWindow*>(item("keyLayoutHelp")->property("item").value<QObject*>());
  }

  WindowHarness harness;
  UrlCatcher urls;
  QStringList prompts;
  QStringList browsed;
  QString chosenFile;
};

TEST_F(Dialogs, NoTabletShowsTheOfflineMessageThatOnlyItsButtonDismissesUntilTheNextRemoval) {
  harness.settle(250);
  ASSERT_TRUE(isOpen("deviceOfflineDialog")) << "the window starts with no tablet";
  EXPECT_TRUE(item("offlineText")->isVisible());
  EXPECT_FALSE(item("upgradeProgress")->isVisible());
  // Nothing beside the dialog takes a click, and a click there keeps it open.
  clickAt(harness.window(), QPoint(8, harness.window()->height() - 8));
  click(item("navArea"));
  EXPECT_TRUE(isOpen("deviceOfflineDialog"));
  EXPECT_EQ(harness.root()->property("currentPage").toInt(), 0);

  click(item("offlineHelpLink"));
  ASSERT_EQ(urls.opened.size(), 1);
  EXPECT_EQ(urls.opened[0].toString(), harness.config().getUrl(EDevNoConnect));
  click(item("offlineOk"));
  EXPECT_FALSE(isOpen("deviceOfflineDialog"));

  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  EXPECT_FALSE(isOpen("deviceOfflineDialog"));
  harness.leave();
  EXPECT_TRUE(isOpen("deviceOfflineDialog")) << "every removal tells it again";
  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  EXPECT_FALSE(isOpen("deviceOfflineDialog"));
}

TEST_F(Dialogs, WithoutATabletNoPageOffersTheModelsSettingsAndAnArrivalOffersThemAgain) {
  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  showPage(2);
  harness.leave();
  click(item("offlineOk"));
  EXPECT_EQ(harness.root()->property("currentPage").toInt(), 0) << "the key page goes with the tablet";
  const char* const modelControls[] = {"penUpKey",   "curveEditor", "relativeMode", "windowsInk",   "disablePressure",
                                       "penDefaults", "screenRect",  "screenChoice", "fullScreen",  "areaDefaults",
                                       "rotation90",  "fullArea",    "navKeys",      "configButton"};
  for (const char* name : modelControls) EXPECT_FALSE(item(name)->isEnabled()) << name;
  EXPECT_FALSE(item("tabletFrame")->isVisible());
  EXPECT_FALSE(item("calibrate")->isVisible());

  ASSERT_TRUE(harness.arrive(CFG_Fjord4));
  for (const char* name : modelControls) EXPECT_TRUE(item(name)->isEnabled()) << name;
  showPage(1);
  EXPECT_TRUE(item("calibrate")->isVisible());
  ASSERT_TRUE(harness.arrive(CFG_LarkD1));
  EXPECT_FALSE(item("navKeys")->isEnabled()) << "no express keys, no dial";
  EXPECT_FALSE(item("calibrate")->isVisible());
}

TEST_F(Dialogs, DiagnosisShowsTheTabletAndFollowsThePenThroughTheDevicePath) {
  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  QMetaObject::invokeMethod(harness.root(), "openDiagnosisDialog");
  harness.settle(250);
  ASSERT_TRUE(isOpen("diagnosisDialog"));
  EXPECT_EQ(text("diagnosisDevice"), "设备:Lark A");
  EXPECT_EQ(text("diagnosisFirmware"), "固件版本：1.05") << "read over the firmware interface at arrival";
  EXPECT_EQ(text("diagnosisSystem"), "系统名称:Debian GNU/Linux 12");
  EXPECT_EQ(text("penInfoX"), "当前坐标X:—") << "no report since it opened";

  QSignalSpy reports(&harness.operateDev(), &OperateDevRecorder::s_penInfo);
  for (int step = 0; step < 60; ++step) harness.world()->feedNextReport();
  for (int wait = 0; wait < 100 && reports.size() < 60; ++wait) harness.settle(10);
  ASSERT_FALSE(reports.isEmpty());
  const QList<QVariant> last = reports.last();
  EXPECT_GT(last[4].toInt(), 0) << "the figure presses the pen";
  EXPECT_EQ(text("penInfoX"), QStringLiteral("当前坐标X:%1").arg(last[0].toInt()));
  EXPECT_EQ(text("penInfoY"), QStringLiteral("当前坐标Y:%1").arg(last[1].toInt()));
  EXPECT_EQ(text("penInfoTiltX"), QStringLiteral("当前倾斜X:%1").arg(last[2].toInt()));
  EXPECT_EQ(text("penInfoTiltY"), QStringLiteral("当前倾斜Y:%1").arg(last[3].toInt()));
  EXPECT_EQ(text("penInfoPressure"), QStringLiteral("当前压力感应:%1").arg(last[4].toInt()));

  click(item("openLogDir"));
  EXPECT_TRUE(harness.tablet().calls.contains("openLogDir"));
  click(item("firmwareDownload"));
  ASSERT_EQ(prompts.size(), 1);
  EXPECT_TRUE(prompts[0].startsWith("下载提示|")) << prompts[0].toStdString();
  EXPECT_TRUE(prompts[0].contains("Lark A"));
  EXPECT_EQ(browsed.size(), 1);

  // A pen display has no firmware interface: nothing of another model shows.
  ASSERT_TRUE(harness.arrive(CFG_Fjord4));
  EXPECT_EQ(text("diagnosisFirmware"), "固件版本：—");
  EXPECT_FALSE(item("firmwareUpgrade")->isEnabled());
  showPage(3);
  EXPECT_FALSE(item("aboutFirmware")->isVisible()) << "nor on the about page";
}

TEST_F(Dialogs, AFirmwareUpgradeFromTheDiagnosisShowsItsProgressFromZeroTo100UntilTheTabletIsBack) {
  QFirmwareUpgrade::Timing timing;
  timing.answerTimeoutMs = 500;
  timing.progressLoopMs = 5;
  timing.lastBlockDelayMs = 0;
  QFirmwareUpgrade::setTiming(timing);
  chosenFile = fwtest::writeFile("PV01-CP1-W3-HV[1.00^1.99]-V1.06.bin",
                                 fwtest::makeFirmware(fwtest::makePayload(5), 5 * 1024));

  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  QMetaObject::invokeMethod(harness.root(), "openDiagnosisDialog");
  harness.settle(250);
  click(item("firmwareUpgrade"));
  EXPECT_FALSE(isOpen("diagnosisDialog"));
  ASSERT_EQ(prompts.size(), 1) << "the upgrade's own hint";
  // Sent to its boot loader: the progress shows at once.
  ASSERT_TRUE(isOpen("deviceOfflineDialog"));
  EXPECT_EQ(text("upgradeText"), "固件正在升级...");
  EXPECT_EQ(text("upgradePercent"), "0%");
  EXPECT_FALSE(item("offlineOk")->isVisible()) << "nothing to click while it runs";

  // The tablet leaves and comes back as its boot loader; the controller
  // resumes with the kept file. What the window shows at each report:
  harness.leave();
  EXPECT_TRUE(item("upgradeProgress")->isVisible());
  QList<int> reported;
  QStringList shown;
  QObject::connect(&harness.firmware(), &QFirmwareUpgrade::upgradeProgress, [&](int value) {
    reported << value;
    shown << text("upgradePercent") + " " + QString::number(item("upgradeBar")->property("value").toInt());
  });
  ASSERT_TRUE(harness.arriveInBootLoader(CFG_LarkA));
  EXPECT_TRUE(harness.world()->firmwareInterface()->flashed());
  ASSERT_FALSE(reported.isEmpty());
  EXPECT_EQ(reported.front(), 0);
  EXPECT_EQ(reported.back(), 100);
  for (int i = 0; i < reported.size(); ++i)
    EXPECT_EQ(shown[i], QStringLiteral("%1% %1").arg(reported[i])) << "report " << i;
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  EXPECT_GT(reported.size(), 2) << "steps between 0 and 100";
  harness.settle(250);
  EXPECT_TRUE(isOpen("deviceOfflineDialog"));
  EXPECT_EQ(text("upgradeText"), "固件升级完成，正在重连设备");
  EXPECT_TRUE(item("offlineOk")->isVisible()) << "done, it may be put away";

  // The new firmware starts and the tablet is itself again.
  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  EXPECT_FALSE(isOpen("deviceOfflineDialog"));
  harness.leave();
  EXPECT_TRUE(item("offlineText")->isVisible()) << "a later removal is a plain removal";

  // A transfer that breaks off leaves the tablet in its boot loader, which
  // is no tablet the driver can use.
  emit harness.firmware().upgradeProgress(30);
  EXPECT_TRUE(item("upgradeProgress")->isVisible());
  emit harness.firmware().firmwareUpgradeFailed();
  harness.settle(20);
  EXPECT_TRUE(item("offlineText")->isVisible());
  EXPECT_TRUE(item("offlineOk")->isVisible());

  // A tablet that never comes back from the jump to its boot loader leaves
  // the progress standing; after a while it may be put away.
  QObject* offline = harness.root()->findChild<QObject*>("deviceOfflineDialog");
  offline->setProperty("stallMs", 300);
  emit harness.firmware().upgradeProgress(0);
  harness.settle(100);
  EXPECT_FALSE(item("offlineOk")->isVisible()) << "still waiting for the boot loader";
  harness.settle(400);
  ASSERT_TRUE(item("offlineOk")->isVisible());
  click(item("offlineOk"));
  EXPECT_FALSE(isOpen("deviceOfflineDialog"));
}

TEST_F(Dialogs, TheWorkAreaExampleMovesItsAreaAndClosesOnOk) {
  ASSERT_TRUE(harness.arrive(CFG_LarkC));
  showPage(1);
  click(item("setupWorkArea"));
  ASSERT_TRUE(isOpen("exampleDialog"));
  QQuickItem* area = item("exampleRect");
  const QRectF first(area->x(), area->y(), area->width(), area->height());
  harness.settle(1500);
  EXPECT_NE(QRectF(area->x(), area->y(), area->width(), area->height()), first) << "the picture moves";
  click(item("exampleOk"));
  EXPECT_FALSE(isOpen("exampleDialog"));
}

TEST_F(Dialogs, ALongPressOfTheDialShowsTheKeyLayoutAndTheNextPressOrAClickClosesIt) {
  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  // The key page has left every key's text in the map; two keys changed since.
  harness.config().setKeyDisPlayTextMap(K1, QStringLiteral("撤销"));
  harness.config().setKeyDisPlayTextMap(R1, QStringLiteral("鼠标滚轮"));
  harness.config().setKeyDisPlayTextMap(K3, QString());
  emit harness.tablet().longPressCenterKey(CFG_MesaA);
  harness.settle(100);
  QQuickWindow* help = helpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->flags() & Qt::FramelessWindowHint);
  // The express keys type into the window that has the keyboard: that must
  // stay the program the user draws in.
  EXPECT_TRUE(help->flags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_NE(QGuiApplication::focusWindow(), help);
  QQuickItem* top = help->contentItem();
  EXPECT_EQ(text("keyLayoutK1", top), "K1:  撤销");
  // The others as the key page shows them.
  EXPECT_EQ(text("keyLayoutK2", top), "K2:  " + item("key_K2")->property("displayText").toString());
  EXPECT_EQ(text("keyLayoutR2", top), "R2:  " + item("key_R2")->property("displayText").toString());
  EXPECT_EQ(text("keyLayoutK3", top), "K3:  —");
  EXPECT_NE(harness.item("keyLayoutK8", top), nullptr);
  EXPECT_EQ(harness.item("keyLayoutK9", top), nullptr) << "the Mesa A has eight express keys";
  EXPECT_EQ(text("keyLayoutR1", top), "R1:  鼠标滚轮");
  EXPECT_NE(harness.item("keyLayoutR6", top), nullptr);

  emit harness.tablet().longPressCenterKey(CFG_MesaA);
  harness.settle(50);
  EXPECT_EQ(helpWindow(), nullptr) << "the next long press closes it";
  emit harness.tablet().longPressCenterKey(CFG_MesaA);
  harness.settle(100);
  ASSERT_NE(helpWindow(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(helpWindow()));
  clickAt(helpWindow(), QPoint(helpWindow()->width() / 2, helpWindow()->height() / 2));
  EXPECT_EQ(helpWindow(), nullptr) << "a click closes it";

  emit harness.tablet().longPressCenterKey(CFG_MesaA);
  harness.settle(50);
  harness.leave();
  EXPECT_EQ(helpWindow(), nullptr) << "it goes with the tablet";

  ASSERT_TRUE(harness.arrive(CFG_LarkA));
  emit harness.tablet().longPressCenterKey(CFG_LarkA);
  harness.settle(50);
  EXPECT_EQ(helpWindow(), nullptr) << "the Lark A has no dial";
}

}  // namespace

#include "DialogTest.moc"
