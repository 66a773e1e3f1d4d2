// The controller over a simulated machine: what an arrival, a removal, sleep
// and wake, the dial's centre key and the foreground program do.

#include "ControllerRig.h"
#include "tests/display/EdidBuilder.h"
#include "tests/display/FakeScreens.h"

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"
#include "driver/firmware/sim/SimIapDevice.h"
#include "driver/keys/KeyFunctionTable.h"
#include "driver/output/DevOperateThread.h"
#include "driver/output/VMulti.h"
#include "driver/tablet/CalibrationWidget.h"
#include "driver/tablet/SimulatedTablet.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/HidBackend.h"
#include "platform/display/sim/SimDisplayOutputs.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/session/sim/SimForeground.h"
#include "platform/session/sim/SimSession.h"
#include "platform/session/sim/SimWindowRaiser.h"
#include "platform/virtualpen/VirtualPen.h"

#include <QApplication>
#include <QWindow>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QThreadPool>
#include <QTimer>

namespace {

// What the open descriptors lead to (files, pipes, eventfds), sorted.
QStringList openDescriptors() {
  const QDir fds(QStringLiteral("/proc/self/fd"));
  QStringList targets;
  for (const QString& fd : fds.entryList(QDir::Files | QDir::System)) {
    const QString target = QFile::symLinkTarget(fds.filePath(fd));
    if (!target.isEmpty()) targets << target;
  }
  targets.sort();
  return targets;
}
int threads() { return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

}  // namespace

using Controller = ControllerRig;

TEST_F(Controller, TabletArrivalReadsTheFirmwareOpensTheTabletAndTellsTheWindow) {
  plugIn("LarkA");
  VarnexTablet& controller = startController();

  EXPECT_TRUE(controller.isConnected());
  EXPECT_EQ(controller.devType(), MyQmlEnum::CFG_LarkA);
  EXPECT_EQ(controller.devName(), "Lark A");
  EXPECT_EQ(controller.devModel(), "PV01");
  ASSERT_NE(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_TRUE(controller.devOperateThread()->isRunning());
  // The boot loader was asked, then the versions; the interface was closed.
  EXPECT_EQ(controller.firmware().devType(), MyQmlEnum::CFG_LarkA);
  EXPECT_EQ(controller.firmware().firmwareVer(), "1.05");
  EXPECT_EQ(controller.firmware().iapDevice(), nullptr);
  // The settings file is named after what the window shows.
  EXPECT_TRUE(ConfigFile::instance()->currentConfigFilePath().endsWith("/Lark A_config.ini"));
  EXPECT_TRUE(m_prompts.isEmpty()) << m_prompts.join('|').toStdString();

  // The window finds every object under its name.
  QQmlContext* context = controller.engine().rootContext();
  EXPECT_EQ(context->contextProperty("VarnextTablet").value<QObject*>(), &controller);
  EXPECT_EQ(context->contextProperty("FirmwareInfo").value<QObject*>(), &controller.firmware());
  EXPECT_EQ(context->contextProperty("OperateDev").value<QObject*>(), controller.devOperateThread());
  EXPECT_EQ(context->contextProperty("configFile").value<QObject*>(), ConfigFile::instance());
  EXPECT_EQ(context->contextProperty("screenInfo").value<QObject*>(), &controller.screenInfo());
  EXPECT_EQ(context->contextProperty("ProcessInfo").value<QObject*>(), &controller.processInfo());
  EXPECT_EQ(context->contextProperty("trans").value<QObject*>(), controller.trans());
  EXPECT_EQ(context->contextProperty("imgPath").toString(), "qrc:/Image/");
  EXPECT_NE(controller.engine().imageProvider("screenImage"), nullptr);
  EXPECT_NE(controller.engine().imageProvider("progamIcon"), nullptr);

  // Removal stops everything and tells the window; the names go.
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);
  m_world->unplug();
  ASSERT_TRUE(waitFor([&] { return states.size() >= 1; }));
  EXPECT_EQ(states.size(), 1);
  EXPECT_EQ(states[0], (QVariantList{false, int(MyQmlEnum::CFG_LarkA)}));
  EXPECT_FALSE(controller.isConnected());
  EXPECT_EQ(controller.devName(), "");
  EXPECT_EQ(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_FALSE(controller.devOperateThread()->isRunning());
}

TEST_F(Controller, PenDisplayArrivalSkipsEveryFirmwareQuery) {
  SimulatedWorld& world = plugIn("Fjord5pro");
  ASSERT_EQ(world.firmwareInterface(), nullptr);
  // A firmware interface that would answer, to see that nobody asks it.
  SimIapDevice::Config config;
  config.devType = MyQmlEnum::CFG_Fjord5pro;
  auto iap = std::make_shared<SimIapDevice>(config);
  platform::HidBackend::current().registerVirtual(iap);

  VarnexTablet& controller = startController();
  EXPECT_TRUE(controller.isConnected());
  EXPECT_EQ(controller.devName(), "Fjord 5Pro");
  EXPECT_NE(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_TRUE(iap->requests().empty());
  EXPECT_EQ(controller.firmware().devType(), -1);
  platform::HidBackend::current().unregisterVirtual(iap.get());
}

TEST_F(Controller, TabletInItsBootLoaderResumesTheUpgradeAndStaysClosed) {
  m_world = std::make_unique<SimulatedWorld>(*ModelTable::byKey("LarkB"));
  m_world->unplug();
  VarnexTablet& controller = startController();
  ASSERT_FALSE(controller.isConnected());
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);

  SimIapDevice::Config config;
  config.devType = MyQmlEnum::CFG_LarkB;
  config.inBootLoader = true;
  m_world->setFirmwareInterface(std::make_shared<SimIapDevice>(config));
  // The user is asked to pick a firmware file, and cancels.
  m_answer = PromptService::Answer::Cancel;
  m_world->plugIn();

  ASSERT_TRUE(waitFor([&] { return !m_prompts.isEmpty(); }));
  EXPECT_EQ(states.size(), 0);
  EXPECT_FALSE(controller.isConnected());
  EXPECT_EQ(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_FALSE(controller.processInfo().isRunning());
}

TEST_F(Controller, SuspendClosesTheTabletAndWakingFindsItAgain) {
  plugIn("MesaA");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);

  platform::SimSession& session = m_world->platform().session();
  session.suspend();
  ASSERT_TRUE(waitFor([&] { return states.size() >= 1; }));
  EXPECT_EQ(states[0], (QVariantList{false, int(MyQmlEnum::CFG_MesaA)}));
  EXPECT_EQ(controller.devOperateThread()->tablet(), nullptr);
  // A second suspend while closed tells the window nothing more.
  session.suspend();
  QCoreApplication::processEvents();
  EXPECT_EQ(states.size(), 1);

  session.resume();
  ASSERT_TRUE(waitFor([&] { return states.size() >= 2; }));
  EXPECT_EQ(states.size(), 2);
  EXPECT_EQ(states[1], (QVariantList{true, int(MyQmlEnum::CFG_MesaA)}));
  EXPECT_NE(controller.devOperateThread()->tablet(), nullptr);
}

TEST_F(Controller, DialCentreKeyHeldForTheLongPressTimeShowsTheKeysOnce) {
  plugIn("LarkC");
  VarnexTablet& controller = startController();
  QSignalSpy longPresses(&controller, &VarnexTablet::longPressCenterKey);
  QTimer* timer = controller.longPressTimer();

  // A press shorter than the timer: released while it runs, nothing fires.
  emit controller.devOperateThread()->swiveCenterKey(true);
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 800);
  EXPECT_TRUE(timer->isSingleShot());
  emit controller.devOperateThread()->swiveCenterKey(false);
  EXPECT_FALSE(timer->isActive());

  // A press held: one signal with the model, and no repeat while still held.
  emit controller.devOperateThread()->swiveCenterKey(true);
  ASSERT_TRUE(longPresses.wait(5000));
  EXPECT_EQ(longPresses.size(), 1);
  EXPECT_EQ(longPresses[0][0].toInt(), int(MyQmlEnum::CFG_LarkC));
  EXPECT_FALSE(timer->isActive());
  emit controller.devOperateThread()->swiveCenterKey(false);
  EXPECT_EQ(longPresses.size(), 1);
}

TEST_F(Controller, KritaGetsItsOwnZoomInShortcut) {
  VarnexTablet& controller = startController();
  controller.onCurrentProcessName("KRITA");
  EXPECT_EQ(KeyFunctionTable::canvasZoomInShortcut(), "[Ctrl]+[Plus]");
  controller.onCurrentProcessName("krita-nightly");
  EXPECT_EQ(KeyFunctionTable::canvasZoomInShortcut(), "[Ctrl]+[=]");
}

TEST_F(Controller, KeyCodesBecomeShortcutTexts) {
  VarnexTablet& controller = startController();
  EXPECT_EQ(controller.keyToString(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "[Ctrl]+[Shift]+[S]");
  EXPECT_EQ(controller.keyToString(Qt::CTRL | Qt::Key_Z), "[Ctrl]+[Z]");
  EXPECT_EQ(controller.keyToString(Qt::Key_F5), "[F5]");
  EXPECT_EQ(controller.keyToString(0), "");
  // "+" joins the parts, so the plus key needs a name the key table types:
  // the keypad plus, or with Shift the "=" key that carries "+".
  EXPECT_EQ(controller.keyToString(Qt::CTRL | Qt::Key_Plus), "[Ctrl]+[Plus]");
  EXPECT_EQ(controller.keyToString(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), "[Ctrl]+[Shift]+[=]");
  EXPECT_EQ(controller.keyToString(Qt::Key_Plus), "[Plus]");
}

TEST_F(Controller, VersionAndSystemInformation) {
  plugIn("LarkA");
  VarnexTablet& controller = startController();
  const QString version = controller.getSoftVersion();
  EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(version).hasMatch()) << version.toStdString();
  EXPECT_TRUE(version.startsWith(VARNEX_VERSION)) << version.toStdString();

  // The arrival asked on the pool; the answer comes from there.
  ASSERT_TRUE(waitFor([&] { return !controller.sysInfo().isEmpty(); }));
  const QVariantMap info = controller.sysInfo();
  EXPECT_EQ(info.value("sysName").toString(), QSysInfo::prettyProductName());
  EXPECT_TRUE(info.value("sysVer").toString().startsWith(QSysInfo::kernelType() + ' ' + QSysInfo::kernelVersion()));
  EXPECT_EQ(info.value("sysBits").toString(), QSysInfo::currentCpuArchitecture());
}

TEST_F(Controller, TheLinksFollowTheLanguage) {
  VarnexTablet& controller = startController();
  Trans& trans = *controller.trans();
  ASSERT_TRUE(trans.languageList().contains("English"));
  ASSERT_TRUE(trans.languageList().contains(QString::fromUtf8("中文")));
  trans.reTrans(QString::fromUtf8("中文"));
  const QString chinese = ConfigFile::instance()->getUrl(MyQmlEnum::EDownLoadurl);
  trans.reTrans("English");
  const QString international = ConfigFile::instance()->getUrl(MyQmlEnum::EDownLoadurl);
  EXPECT_NE(chinese, international);
  trans.reTrans(QString::fromUtf8("中文"));
  EXPECT_EQ(ConfigFile::instance()->getUrl(MyQmlEnum::EDownLoadurl), chinese);
}

TEST_F(Controller, SettingsFileUnderTheOldModelNameMovesToTheDisplayName) {
  const QString directory = ConfigFile::instance()->settingsDirectory();
  QFile::remove(directory + "/Mesa B_config.ini");
  {
    QSettings old(directory + "/MesaB_config.ini", QSettings::IniFormat);
    old.setValue("global/MouseRate", 0.75);
  }
  // Where both exist the newer file counts and the old one stays as it is.
  {
    QSettings both(directory + "/K40 V2_config.ini", QSettings::IniFormat);
    both.setValue("global/MouseRate", 0.2);
    QSettings old(directory + "/K40V2_config.ini", QSettings::IniFormat);
    old.setValue("global/MouseRate", 0.3);
  }

  plugIn("MesaB");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  EXPECT_FALSE(QFile::exists(directory + "/MesaB_config.ini"));
  EXPECT_DOUBLE_EQ(ConfigFile::instance()->getMouseRate(), 0.75);

  m_controller.reset();
  m_world.reset();
  plugIn("K40V2");
  startController();
  EXPECT_DOUBLE_EQ(ConfigFile::instance()->getMouseRate(), 0.2);
  EXPECT_DOUBLE_EQ(QSettings(directory + "/K40V2_config.ini", QSettings::IniFormat).value("global/MouseRate").toDouble(),
                   0.3);
}

TEST_F(Controller, MesaBWithFirmware115ReadsTheWiderRange) {
  SimulatedWorld& world = plugIn("MesaB");
  // Replace the world's firmware interface by one of the wide firmware.
  SimIapDevice::Config config;
  config.devType = MyQmlEnum::CFG_MesaB;
  config.firmwareMajor = 1;
  config.firmwareMinor = 15;
  world.setFirmwareInterface(std::make_shared<SimIapDevice>(config));

  VarnexTablet& controller = startController();
  ASSERT_EQ(controller.firmware().firmwareVer(), "1.15");
  ASSERT_NE(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_EQ(controller.devOperateThread()->tablet()->settings.maxX, ModelTable::kMesaBWideMaxX);
}

TEST_F(Controller, RefusedVirtualDeviceLeavesNothingOpenAndALaterArrivalStartsClean) {
  if (QFile::exists("/dev/uinput")) GTEST_SKIP() << "a real virtual pen could be made here";
  plugIn("LarkD2");
  platform::VirtualPen::uninstall();
  VarnexTablet& controller = startController();

  // The user was told, and the controller holds no half-open tablet.
  EXPECT_EQ(m_prompts.size(), 1);
  EXPECT_FALSE(controller.isConnected());
  EXPECT_EQ(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_EQ(controller.devOperateThread()->digitizerLink(), nullptr);
  EXPECT_FALSE(controller.devOperateThread()->isRunning());
  EXPECT_FALSE(controller.processInfo().isRunning());

  // The virtual pen is back (VMulti installed): the next arrival works.
  platform::VirtualPen::installRecorder();
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);
  controller.detection().scanDevices();
  ASSERT_EQ(states.size(), 1);
  EXPECT_TRUE(controller.isConnected());
  EXPECT_NE(controller.devOperateThread()->digitizerLink(), nullptr);
  EXPECT_TRUE(controller.devOperateThread()->isRunning());
}

TEST_F(Controller, AHundredPlugCyclesLeakNoThreadDescriptorOrVirtualDevice) {
  plugIn("LarkA");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);
  SimulatedWorld& world = *m_world;
  auto unplugAndReplug = [&] {
    const int before = states.size();
    world.unplug();
    world.plugIn();
    ASSERT_TRUE(waitFor([&] { return states.size() >= before + 2; }));
  };
  // Each arrival reads the system information on the pool, whose threads
  // (each with its event descriptor) come and go; waitForDone() ends them.
  // The device thread and the profile watcher, just started, make their
  // event descriptors a moment later: count once they have.
  auto settle = [&] {
    QThreadPool::globalInstance()->waitForDone();
    ASSERT_TRUE(waitFor([&] {
      return controller.devOperateThread()->eventDispatcher() && controller.processInfo().eventDispatcher();
    }));
  };
  unplugAndReplug();
  settle();
  const QStringList descriptors = openDescriptors();
  const int threadsBefore = threads();
  for (int i = 0; i < 100; ++i) unplugAndReplug();
  EXPECT_EQ(states.size(), 2 * 101);
  EXPECT_TRUE(controller.isConnected());
  EXPECT_TRUE(controller.devOperateThread()->isRunning());
  settle();
  // The profile watcher restarts at every arrival, so at either count its
  // thread (and its event descriptor) may or may not exist yet, and the one
  // it replaced may still be on its way out; a leak over a hundred cycles
  // would show as a hundred and never settle.
  QStringList added;
  waitFor([&] {
    added = openDescriptors();
    for (const QString& descriptor : descriptors) added.removeOne(descriptor);
    return added.size() <= 1 && threads() <= threadsBefore + 1;
  });
  EXPECT_LE(added.size(), 1) << added.join('\n').toStdString();
  EXPECT_LE(threads(), threadsBefore + 1);
  // One pen link and one mode link, the current ones.
  world.unplug();
  ASSERT_TRUE(waitFor([&] { return !controller.isConnected(); }));
  EXPECT_EQ(controller.devOperateThread()->digitizerLink(), nullptr);
  EXPECT_EQ(controller.devOperateThread()->controlLink(), nullptr);
}

TEST_F(Controller, RotatingAPenDisplayTurnsItsMonitorAndLaterBringsTheDrawingProgramBack) {
  SimulatedWorld& world = plugIn("Fjord4Pro");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  EXPECT_EQ(controller.findDigitalScreenName(), "SIM-1");
  auto* raiser = dynamic_cast<platform::SimWindowRaiser*>(&platform::WindowRaiser::current());
  ASSERT_NE(raiser, nullptr);
  QSignalSpy screenRects(&controller.screenInfo(), &ScreenInfo::realScreenRect);

  // The window calls it only for a rotation the user picks: the first
  // already brings the drawing program back. An angle that is none of the
  // four is 0°.
  controller.setRotationAngle(45);
  ASSERT_EQ(world.displays().modeChanges().size(), 1);
  EXPECT_EQ(world.displays().modeChanges()[0].outputName, "SIM-1");
  EXPECT_EQ(world.displays().modeChanges()[0].orientation, 0);
  EXPECT_EQ(raiser->raised(), QStringList{"class:Photoshop"});
  // The screen's new rectangle reaches the mapper once the desktop settled.
  EXPECT_TRUE(screenRects.wait(5000));

  controller.setRotationAngle(270);
  ASSERT_EQ(world.displays().modeChanges().size(), 2);
  EXPECT_EQ(world.displays().modeChanges()[1].orientation, 3);
  EXPECT_EQ(world.displays().modeChanges()[1].size, QSize(1080, 1920));
  EXPECT_EQ(raiser->raised(), QStringList({"class:Photoshop", "class:Photoshop"}));
}

// The desktop restores its own layout in a new session: the monitor shows
// 0° while the pen is mapped turned, until the arrival turns it again.
TEST_F(Controller, APenDisplayArrivesWithItsMonitorAtTheStoredRotation) {
  SimulatedWorld& world = plugIn("Fjord4Pro");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  EXPECT_TRUE(world.displays().modeChanges().isEmpty()) << "0° stored, 0° shown";
  ConfigFile::instance()->setRotationAngle(90);
  ASSERT_TRUE(replug());
  ASSERT_EQ(world.displays().modeChanges().size(), 1);
  EXPECT_EQ(world.displays().modeChanges()[0].outputName, "SIM-1");
  EXPECT_EQ(world.displays().modeChanges()[0].orientation, 1);
  auto* raiser = dynamic_cast<platform::SimWindowRaiser*>(&platform::WindowRaiser::current());
  ASSERT_NE(raiser, nullptr);
  EXPECT_TRUE(raiser->raised().isEmpty()) << "an arrival is not the user's pick";

  // Shown turned already: nothing to do.
  ASSERT_TRUE(replug());
  EXPECT_EQ(world.displays().modeChanges().size(), 1);
}

// A desktop that gives no monitors (or refuses to turn one): the mapping
// turns, and the user hears once that the monitor is theirs to turn.
TEST_F(Controller, APenDisplayWhoseMonitorCannotTurnSaysSoOnce) {
  SimulatedWorld& world = plugIn("Fjord5pro");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  world.displays().setOutputs({});
  controller.setRotationAngle(90);
  controller.setRotationAngle(180);
  ASSERT_EQ(m_prompts.size(), 1);
  EXPECT_EQ(m_prompts[0], QCoreApplication::translate(
                             "VarnexTablet", "此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。"));
  EXPECT_TRUE(m_prompts[0].contains("display settings")) << "translated: " << m_prompts[0].toStdString();
}

// Plasma spreads a tablet over one monitor at most: a screen area that
// covers two cannot be mapped, and the user hears it once.
TEST_F(Controller, AScreenAreaOverMonitorsThePenCannotSpanIsToldOnce) {
  SimulatedWorld& world = plugIn("Fjord4");
  platform::DisplayOutput left, right;
  left.name = "DP-1";
  left.rect = QRect(0, 0, 400, 600);
  right.name = "DP-2";
  right.rect = QRect(400, 0, 400, 600);
  world.displays().setOutputs({left, right});
  world.displays().setSpansPenAcrossOutputs(false);
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  ASSERT_TRUE(waitFor([&] { return !m_prompts.isEmpty(); }));
  EXPECT_TRUE(m_prompts[0].contains("one monitor only")) << "translated: " << m_prompts[0].toStdString();

  ASSERT_TRUE(replug());
  QCoreApplication::processEvents();
  EXPECT_EQ(m_prompts.size(), 1);
}

// GNOME without the driver's Shell extension cannot say which program is in
// front: a user who has programs with keys of their own hears it once, at an
// arrival or when adding a program; a user without any does not.
TEST_F(Controller, ProgramKeysThatTheDesktopCannotServeAreToldOnce) {
  SimulatedWorld& world = plugIn("Fjord4");
  world.platform().foreground()->setHelpNeeded(platform::ForegroundHelp::EnableGnomeExtension);
  ConfigFile::instance()->cleanProgramList();
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  QCoreApplication::processEvents();
  EXPECT_TRUE(m_prompts.isEmpty()) << "no program has keys of its own yet";

  ConfigFile::instance()->addProgramList("/usr/bin/krita");
  ASSERT_TRUE(waitFor([&] { return !m_prompts.isEmpty(); }));
  EXPECT_TRUE(m_prompts[0].contains("gnome-extensions enable foreground@varnex.example"))
      << "with the command: " << m_prompts[0].toStdString();
  EXPECT_TRUE(m_prompts[0].contains("log out")) << "translated: " << m_prompts[0].toStdString();

  ConfigFile::instance()->addProgramList("flatpak:org.gimp.GIMP");
  ASSERT_TRUE(replug());
  QCoreApplication::processEvents();
  EXPECT_EQ(m_prompts.size(), 1);
  ConfigFile::instance()->cleanProgramList();
}

// A desktop that tells the program in front needs nothing of the user.
TEST_F(Controller, ProgramKeysOnADesktopThatTellsSayNothing) {
  plugIn("Fjord4");
  ConfigFile::instance()->addProgramList("/usr/bin/krita");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  QCoreApplication::processEvents();
  EXPECT_TRUE(m_prompts.isEmpty()) << m_prompts.join('|').toStdString();
  ConfigFile::instance()->cleanProgramList();
}

// The calibration window goes full screen on the pen display's own screen,
// also where the compositor ignores where a window was moved.
TEST_F(Controller, CalibrationOpensOnThePenDisplaysScreen) {
  SimulatedWorld& world = plugIn("Fjord5pro");
  platform::DisplayOutput office, penDisplay;
  office.name = "DP-1";
  office.rect = QRect(0, 0, 1920, 1080);
  office.modeSize = office.rect.size();
  office.edid = edidNamed("DELL U2720Q");
  penDisplay.name = "DP-2";
  penDisplay.rect = QRect(1920, 0, 1920, 1080);
  penDisplay.modeSize = penDisplay.rect.size();
  penDisplay.edid = edidNamed("Fjord5Pro");
  world.displays().setOutputs({office, penDisplay});
  FakeScreens screens;
  screens.add("DP-1", office.rect);
  screens.add("DP-2", penDisplay.rect);
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  controller.calibration();
  CalibrationWidget* calibration = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* candidate = qobject_cast<CalibrationWidget*>(widget)) calibration = candidate;
  ASSERT_NE(calibration, nullptr);
  ASSERT_NE(calibration->windowHandle(), nullptr);
  EXPECT_EQ(calibration->windowHandle()->screen()->name(), "DP-2");
  calibration->close();
}

TEST_F(Controller, RotatingATabletLeavesTheMonitorAlone) {
  SimulatedWorld& world = plugIn("LarkA");
  VarnexTablet& controller = startController();
  controller.setRotationAngle(90);
  controller.setRotationAngle(180);
  EXPECT_TRUE(world.displays().modeChanges().isEmpty());
}

namespace {

// The model unplugged, about to come back running its boot loader; returns
// the firmware interface of its application.
std::shared_ptr<SimIapDevice> putInItsBootLoader(const char* modelKey, std::unique_ptr<SimulatedWorld>& world) {
  const ModelEntry& model = *ModelTable::byKey(modelKey);
  world = std::make_unique<SimulatedWorld>(model);
  std::shared_ptr<SimIapDevice> application = world->firmwareInterface();
  world->unplug();
  SimIapDevice::Config config;
  config.devType = model.devType;
  config.inBootLoader = true;
  world->setFirmwareInterface(std::make_shared<SimIapDevice>(config));
  return application;
}

}  // namespace

TEST_F(Controller, WhatBelongsToATabletThatLeftGoesWithIt) {
  const std::shared_ptr<SimIapDevice> application = putInItsBootLoader("LarkC", m_world);
  VarnexTablet& controller = startController();
  // The user agrees to the upgrade, then cancels the file dialog.
  m_world->plugIn();
  ASSERT_TRUE(waitFor([&] { return !m_prompts.isEmpty(); }));
  ASSERT_FALSE(controller.isConnected());
  m_world->unplug();
  EXPECT_EQ(controller.firmware().iapDevice(), nullptr) << "the firmware interface goes with the boot loader";

  m_world->setFirmwareInterface(application);
  m_world->plugIn();
  ASSERT_TRUE(waitFor([&] { return controller.isConnected(); }));
  EXPECT_EQ(controller.firmware().firmwareVer(), "1.05") << "the next arrival reads the version again";

  // The dial's centre key is held as the cable goes: no key layout for a
  // tablet that is gone.
  QSignalSpy longPresses(&controller, &VarnexTablet::longPressCenterKey);
  emit controller.devOperateThread()->swiveCenterKey(true);
  ASSERT_TRUE(controller.longPressTimer()->isActive());
  m_world->unplug();
  EXPECT_FALSE(controller.longPressTimer()->isActive());
  EXPECT_TRUE(longPresses.isEmpty());
}

TEST_F(Controller, ATabletReplugedWhileTheBootLoaderPromptIsOpenIsStillClosedBySuspend) {
  const std::shared_ptr<SimIapDevice> application = putInItsBootLoader("LarkB", m_world);
  VarnexTablet& controller = startController();
  // While the prompt waits, the tablet is replugged and comes back running
  // its application; then the prompt is cancelled.
  int asked = 0;
  PromptService::setHandler([&](const PromptService::Prompt&) {
    if (++asked == 1) {
      m_world->unplug();
      m_world->setFirmwareInterface(application);
      m_world->plugIn();
    }
    return PromptService::Answer::Cancel;
  });
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);
  m_world->plugIn();
  ASSERT_GE(asked, 1);
  ASSERT_FALSE(states.isEmpty());
  EXPECT_EQ(states.last(), (QVariantList{true, int(MyQmlEnum::CFG_LarkB)}));
  EXPECT_TRUE(controller.isConnected());
  ASSERT_NE(controller.devOperateThread()->tablet(), nullptr);

  // The window was told "connected", so a suspend must close it.
  m_world->platform().session().suspend();
  ASSERT_TRUE(waitFor([&] { return states.last() == QVariantList({false, int(MyQmlEnum::CFG_LarkB)}); }));
  EXPECT_EQ(controller.devOperateThread()->tablet(), nullptr);
  EXPECT_FALSE(controller.isConnected());
}

TEST_F(Controller, UnpluggingAnotherTabletLeavesTheOneInUseOpen) {
  plugIn("LarkA");
  VarnexTablet& controller = startController();
  ASSERT_TRUE(controller.isConnected());
  QSignalSpy states(&controller, &VarnexTablet::devStateChanged);
  platform::SimSession& session = m_world->platform().session();
  // A second tablet, another model and then one of the same model, comes
  // and goes while the first is in use.
  const QString mesa = "HID#" + ModelTable::recognitionText(*ModelTable::byKey("MesaB")) + "#second";
  const QString otherLark = m_world->deviceName() + "#second";
  for (const QString& other : {mesa, otherLark}) {
    session.plugIn(other);
    session.unplug(other);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(states.isEmpty());
  EXPECT_TRUE(controller.isConnected());
  EXPECT_NE(controller.devOperateThread()->tablet(), nullptr);

  m_world->unplug();
  ASSERT_TRUE(waitFor([&] { return !states.isEmpty(); }));
  EXPECT_EQ(states[0], (QVariantList{false, int(MyQmlEnum::CFG_LarkA)}));
}
