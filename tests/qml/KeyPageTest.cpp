// The key page and its dialogs with the real QML, the real settings store,
// the real program watcher over a simulated desktop, and the device path of
// a simulated tablet: what the page shows is the group the store holds, and
// what the dialogs record is what the tablet types.

#include "WindowHarness.h"
#include "driver/app/ProcessInfo.h"
#include "driver/app/SimulatedReports.h"
#include "driver/app/SimulatedWorld.h"
#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/Trans.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/session/sim/SimForeground.h"
#include "tests/support/FifoTrap.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace MyQmlEnum;

// A folder with one program in it, as the user's desktop.
QString desktopWithKrita(const QTemporaryDir& dir) {
  QFile program(dir.path() + "/krita");
  program.open(QIODevice::WriteOnly);
  program.write("#!/bin/sh\n");
  program.close();
  program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
  return dir.path();
}

class KeyPage : public ::testing::Test {
 protected:
  void SetUp() override {
    // The store outlives each test; so does the key group it holds.
    harness.config().setKeyGroupName(QStringLiteral("CommonKey"));
    harness.useProcessInfo(&processes);
    ASSERT_TRUE(harness.showFresh()) << harness.errors.toStdString();
  }
  void TearDown() override { EXPECT_TRUE(harness.errors.isEmpty()) << harness.errors.toStdString(); }

  void arriveOnKeyPage(int devType) {
    ASSERT_TRUE(harness.arrive(devType));
    harness.root()->setProperty("currentPage", 2);
    harness.settle(250);
  }
  QQuickItem* item(const QString& name) {
    QQuickItem* found = harness.item(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  void click(const QString& name) {
    QQuickItem* it = item(name);
    if (!it) return;
    const QPoint centre = it->mapToScene(QPointF(it->width() / 2, it->height() / 2)).toPoint();
    QTest::mouseClick(harness.window(), Qt::LeftButton, Qt::NoModifier, centre);
    harness.settle(200);
  }
  // Chooses a row of a key's combo box as a user does.
  void choose(const QString& combo, int row) {
    QMetaObject::invokeMethod(item(combo), "activated", Q_ARG(int, row));
    harness.settle(200);
  }
  void type(const char* text) {
    for (const char* c = text; *c; ++c) QTest::keyClick(harness.window(), *c);
    harness.settle(20);
  }
  QString shown(const QString& combo) { return item(combo)->property("displayText").toString(); }
  int shownRow(const QString& combo) { return item(combo)->property("currentIndex").toInt(); }
  bool isOpen(const char* dialog) {
    QObject* found = harness.root()->findChild<QObject*>(dialog);
    return found && found->property("opened").toBool();
  }

  // Presses and releases the simulated tablet's express key and returns the
  // key events the system got for it (none after waitMs when it types none).
  QStringList typedByTabletKey(int atLeast = 6, int waitMs = 3000) {
    SimulatedWorld* world = harness.world();
    const SimulatedReports reports(world->model());
    world->collect();
    // The driver drops the first report after it starts reading.
    world->tablet()->pushInput(reports.outOfRange());
    world->tablet()->pushInput(reports.keyDown());
    world->tablet()->pushInput(reports.keyUp());
    QStringList typed;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < waitMs && typed.size() < atLeast) {
      harness.settle(20);
      world->collect();
      typed += world->received().lastKeys;
    }
    return typed;
  }

  // The combo box of the express key the simulated tablet presses.
  QString tabletKeyCombo() {
    const int key = SimulatedReports(harness.world()->model()).key();
    EXPECT_GE(key, int(K1));
    return QStringLiteral("key_K%1").arg(key - K1 + 1);
  }

  QTemporaryDir desktop;
  ProcessInfo processes{{desktopWithKrita(desktop)}, ConfigFile::instance()};
  WindowHarness harness;
};

TEST_F(KeyPage, EveryWayOfLeavingADialogUnansweredReturnsTheComboBoxToItsFunction) {
  arriveOnKeyPage(CFG_MesaA);
  const int storedRow = shownRow("key_K1");
  const QString storedText = shown("key_K1");
  ASSERT_EQ(harness.config().getShortcutkeyEnum(K1), EShowDriver);

  choose("key_K1", KeyHostKey);
  ASSERT_TRUE(isOpen("hotKeyDialog"));
  click("dialogCancel");
  EXPECT_FALSE(isOpen("hotKeyDialog"));
  EXPECT_EQ(shownRow("key_K1"), storedRow);
  EXPECT_EQ(shown("key_K1"), storedText);

  choose("key_K1", KeyExe);
  ASSERT_TRUE(isOpen("programDialog"));
  QTest::keyClick(harness.window(), Qt::Key_Escape);
  harness.settle(200);
  EXPECT_FALSE(isOpen("programDialog"));
  EXPECT_EQ(shownRow("key_K1"), storedRow);

  choose("key_R2", SwivelHostkey);
  ASSERT_TRUE(isOpen("rollerHotKeyDialog"));
  click("dialogClose");
  EXPECT_FALSE(isOpen("rollerHotKeyDialog"));
  EXPECT_EQ(shown("key_R2"), "画布大小");

  // Nothing was stored on the way.
  EXPECT_EQ(harness.config().getShortcutkeyEnum(K1), EShowDriver);
  EXPECT_EQ(harness.config().getShortcutkeyEnum(R2), ESwivelCanvas);

  // A click outside an open dialog neither closes nor answers it.
  choose("key_K2", KeyHostKey);
  QTest::mouseClick(harness.window(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 690));
  harness.settle(100);
  EXPECT_TRUE(isOpen("hotKeyDialog"));
  // Accepted, a function the list lacks is named by the dialog's choice.
  click("dialogCancel");
  choose("key_K2", KeyHostKey);
  click(QStringLiteral("hotKeyChoice_%1").arg(EWheelDown));
  click("dialogAccept");
  EXPECT_EQ(harness.config().getShortcutkeyEnum(K2), EWheelDown);
  EXPECT_EQ(harness.config().getComboxIndex(K2), KeyHostKey);
  EXPECT_EQ(shown("key_K2"), "滚轮向下");
  EXPECT_EQ(harness.config().getDisPlayTextFromMap(K2), "滚轮向下") << "the key-layout help lists what the page shows";
}

TEST_F(KeyPage, EachEntryOfTheProgramListShowsItsOwnGroupInEveryComboBox) {
  ConfigFile& config = harness.config();
  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  config.addProgramList("/usr/bin/krita");
  // krita: every express key saves, every dial entry pages; common: the defaults.
  config.setKeyGroupName(config.programKeyGroup("/usr/bin/krita"));
  for (int key = K1; key <= K8; ++key) {
    config.setComboxIndex(key, 10);
    config.setShortcutkeyEnum(key, ESave);
  }
  for (int key = R1; key <= R6; ++key) {
    config.setComboxIndex(key, 4);
    config.setShortcutkeyEnum(key, ESwivelPage);
  }
  config.setKeyGroupName(QStringLiteral("CommonKey"));
  arriveOnKeyPage(CFG_MesaA);
  EXPECT_TRUE(item("programEntry_0")->property("checked").toBool());
  EXPECT_EQ(item("programEntry_1")->property("text").toString(), "krita");

  click("programEntry_1");
  EXPECT_EQ(config.getKeyGroupName(), "krita");
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(shown(QStringLiteral("key_K%1").arg(k)), "保存") << k;
  for (int r = 1; r <= 6; ++r) EXPECT_EQ(shown(QStringLiteral("key_R%1").arg(r)), "上下翻页") << r;

  click("programEntry_0");
  EXPECT_EQ(config.getKeyGroupName(), "CommonKey");
  EXPECT_EQ(shown("key_K1"), "显示驱动控制面板");
  EXPECT_EQ(shown("key_K8"), "保存") << "Mesa A's own default for K8";
  EXPECT_EQ(shown("key_K7"), "新建画布");
  EXPECT_EQ(shown("key_R1"), "鼠标滚轮");
  EXPECT_EQ(shown("key_R6"), "无功能");

  // "默认" resets the selected program's group only.
  click("programEntry_1");
  click("keyDefaults");
  EXPECT_EQ(config.getKeyGroupName(), "krita");
  EXPECT_EQ(shown("key_K2"), "画布放大");
  EXPECT_EQ(shown("key_R1"), "鼠标滚轮");

  // Removing the program goes back to the common group; the model
  // without express keys or dial offers none of their controls.
  // Removing asks first: a program takes its keys along.
  click("removeProgram");
  ASSERT_TRUE(isOpen("removeProgramsDialog"));
  EXPECT_EQ(item("removeProgramsQuestion")->property("text").toString(), "移除“krita”及其按键设置？");
  click("dialogCancel");
  EXPECT_EQ(config.getProgramList().size(), 1);
  EXPECT_EQ(shown("key_K2"), "画布放大") << "still krita's group";
  click("removeProgram");
  click("dialogAccept");
  EXPECT_EQ(config.getProgramList().size(), 0);
  EXPECT_EQ(config.getKeyGroupName(), "CommonKey");
  harness.leave();
  EXPECT_EQ(harness.item("key_K1"), nullptr);
  EXPECT_EQ(harness.item("key_R1"), nullptr);
  EXPECT_FALSE(item("addProgram")->isEnabled());
}

TEST_F(KeyPage, AProgramAddedThroughItsDialogGetsItsKeysWhenItComesToTheFront) {
  ConfigFile& config = harness.config();
  arriveOnKeyPage(CFG_LarkA);
  const QString krita = desktop.path() + "/krita";
  click("addProgram");
  ASSERT_TRUE(isOpen("programDialog"));
  EXPECT_FALSE(item("dialogAccept")->isEnabled()) << "nothing chosen yet";
  click("programCandidate_0");
  EXPECT_EQ(item("chosenProgram")->property("text").toString(), krita);
  click("dialogAccept");
  ASSERT_EQ(config.getProgramList(), QVariantList{krita});
  EXPECT_EQ(config.getKeyGroupName(), "krita") << "the new program is selected";
  EXPECT_TRUE(item("programEntry_1")->property("checked").toBool());

  // Adding it again selects it instead of listing it twice.
  click("programEntry_0");
  click("addProgram");
  click("programCandidate_0");
  click("dialogAccept");
  EXPECT_EQ(config.getProgramList().size(), 1);
  EXPECT_EQ(config.getKeyGroupName(), "krita");

  // In krita the tablet's key undoes; elsewhere it does nothing.
  const QString key = tabletKeyCombo();
  choose(key, 8);
  ASSERT_EQ(shown(key), "撤销");
  click("programEntry_0");
  choose(key, 0);
  ASSERT_EQ(shown(key), "无功能");

  processes.setPollInterval(10);
  processes.start();
  platform::SimForeground& front = *harness.world()->platform().foreground();
  front.bringToFront("/opt/krita/bin/krita");
  QElapsedTimer timer;
  timer.start();
  while (config.getKeyGroupName() != "krita" && timer.elapsed() < 3000) harness.settle(10);
  EXPECT_EQ(config.getKeyGroupName(), "krita");
  EXPECT_TRUE(item("programEntry_1")->property("checked").toBool());
  // Released with the key, and once more with every shortcut still held.
  EXPECT_EQ(typedByTabletKey(), QStringList({"0x11 down", "0x5A down", "0x11 up", "0x5A up", "0x11 up", "0x5A up"}));

  // The driver's own window keeps the group of the program behind it.
  front.bringToFront("/usr/bin/VarnexDriver");
  harness.settle(100);
  EXPECT_EQ(config.getKeyGroupName(), "krita");

  front.bringToFront("/usr/bin/gimp");
  timer.restart();
  while (config.getKeyGroupName() != "CommonKey" && timer.elapsed() < 3000) harness.settle(10);
  EXPECT_TRUE(item("programEntry_0")->property("checked").toBool());
  EXPECT_EQ(typedByTabletKey(1, 400), QStringList()) << "the common group's key does nothing";

  // A program coming to the front while a key's dialog is open switches
  // the group only once the answer is stored in the group it was asked for.
  choose(key, KeyHostKey);
  ASSERT_TRUE(isOpen("hotKeyDialog"));
  front.bringToFront("/opt/krita/bin/krita");
  harness.settle(300);
  EXPECT_EQ(config.getKeyGroupName(), "CommonKey");
  click(QStringLiteral("hotKeyChoice_%1").arg(EWheelDown));
  click("dialogAccept");
  timer.restart();
  while (config.getKeyGroupName() != "krita" && timer.elapsed() < 3000) harness.settle(10);
  EXPECT_EQ(config.getKeyGroupName(), "krita");
  EXPECT_EQ(shown(key), "撤销");
  click("programEntry_0");
  EXPECT_EQ(shown(key), "滚轮向下");
  processes.requestInterruption();
  processes.wait();
}

TEST_F(KeyPage, ARecordedShortcutIsWhatTheTabletTypesBack) {
  ConfigFile& config = harness.config();
  arriveOnKeyPage(CFG_LarkA);
  const QString key = tabletKeyCombo();
  const int keyType = K1 + key.mid(5).toInt() - 1;
  choose(key, KeyHostKey);
  ASSERT_TRUE(isOpen("hotKeyDialog"));
  EXPECT_FALSE(item("shortcutRecorder")->isEnabled()) << "recording belongs to the custom choice";
  click("customShortcut");
  QQuickItem* recorder = item("shortcutRecorder");
  ASSERT_TRUE(recorder->hasActiveFocus());
  EXPECT_FALSE(item("dialogAccept")->isEnabled()) << "no shortcut recorded yet";

  // Modifiers alone record nothing; the keypad plus has its own name.
  QTest::keyClick(harness.window(), Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "");
  QTest::keyClick(harness.window(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Plus]");
  QTest::keyClick(harness.window(), Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Ctrl]+[Plus]");
  QTest::keyClick(harness.window(), Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[5]");
  // The key functions know the Super key by its Windows name.
  QTest::keyClick(harness.window(), Qt::Key_E, Qt::MetaModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Win]+[E]");

  QTest::keyClick(harness.window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Ctrl]+[Shift]+[S]");
  // "[#]" would split the stored text: refused, saying so, keeping the last.
  QTest::keyClick(harness.window(), Qt::Key_NumberSign, Qt::ShiftModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Ctrl]+[Shift]+[S]");
  EXPECT_TRUE(recorder->property("refused").toBool());
  // A "#" would split the stored text; the name field does not take it.
  click("customName");
  type("Save#as");
  harness.settle(20);
  EXPECT_EQ(item("customName")->property("text").toString(), "Saveas");
  click("dialogAccept");

  EXPECT_EQ(config.getShortcutkeyEnum(keyType), ECusShortcutkey);
  EXPECT_EQ(config.getDisplayText(keyType), "Saveas#[Ctrl]+[Shift]+[S]");
  EXPECT_EQ(shown(key), "Saveas");
  EXPECT_EQ(typedByTabletKey(9), QStringList({"0x11 down", "0x10 down", "0x53 down", "0x11 up", "0x10 up", "0x53 up",
                                             "0x11 up", "0x10 up", "0x53 up"}));

  // Reopened, the dialog shows what the key does.
  choose(key, KeyHostKey);
  EXPECT_TRUE(item("customShortcut")->property("checked").toBool());
  EXPECT_EQ(item("shortcutRecorder")->property("shortcut").toString(), "[Ctrl]+[Shift]+[S]");
  click("dialogCancel");

  // With the express keys disabled the tablet types nothing.
  click("disableShortKey");
  EXPECT_TRUE(config.getDisableShortKey());
  EXPECT_EQ(typedByTabletKey(1, 400), QStringList());
}

// Ctrl and the main keyboard's "+" once lost the "+" and held only Ctrl.
TEST_F(KeyPage, TheMainKeyboardPlusIsRecordedAsAKeyTheTabletTypes) {
  arriveOnKeyPage(CFG_LarkA);
  const QString key = tabletKeyCombo();
  choose(key, KeyHostKey);
  click("customShortcut");
  QQuickItem* recorder = item("shortcutRecorder");
  // On most layouts "+" is the shifted "=" key: typed back as just that.
  QTest::keyClick(harness.window(), Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Ctrl]+[Shift]+[=]");
  // A layout with a "+" key of its own: the keypad plus gives "+" on any.
  QTest::keyClick(harness.window(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(recorder->property("shortcut").toString(), "[Ctrl]+[Plus]");
  click("dialogAccept");
  EXPECT_EQ(typedByTabletKey(), QStringList({"0x11 down", "0x6B down", "0x11 up", "0x6B up", "0x11 up", "0x6B up"}));
}

// The function lists are translated texts, rebuilt by a language switch;
// every key keeps the function it shows, and the key-layout help follows.
TEST_F(KeyPage, ALanguageSwitchKeepsEveryKeysFunctionAndTheKeyLayoutHelpFollows) {
  harness.trans().reTrans(QString::fromUtf8("中文"));
  arriveOnKeyPage(CFG_MesaA);
  choose("key_K1", 8);
  ASSERT_EQ(shown("key_K1"), "撤销");
  QStringList combos;
  for (int k = 1; k <= 8; ++k) combos << QStringLiteral("key_K%1").arg(k);
  for (int r = 1; r <= 6; ++r) combos << QStringLiteral("key_R%1").arg(r);
  combos << "penUpKey" << "penDownKey";
  QList<int> rows;
  for (const QString& combo : combos) rows << shownRow(combo);
  emit harness.tablet().longPressCenterKey(CFG_MesaA);
  harness.settle(100);
  auto helpText = [&](const char* name) {
    auto* help = qobject_cast<QQuickWindow*>(item("keyLayoutHelp")->property("item").value<QObject*>());
    QQuickItem* label = help ? harness.item(name, help->contentItem()) : nullptr;
    return label ? label->property("text").toString() : QString();
  };
  ASSERT_EQ(helpText("keyLayoutK1"), "K1:  撤销");

  harness.trans().reTrans("English");
  harness.settle(100);
  for (int i = 0; i < combos.size(); ++i) EXPECT_EQ(shownRow(combos[i]), rows[i]) << combos[i].toStdString();
  EXPECT_EQ(shown("key_K1"), "Undo");
  EXPECT_EQ(shown("key_R1"), "Mouse Scroll");
  EXPECT_EQ(shown("penUpKey"), "Right mouse button");
  EXPECT_EQ(helpText("keyLayoutK1"), "K1:  Undo");
  EXPECT_EQ(helpText("keyLayoutR1"), "R1:  " + shown("key_R1"));
  harness.trans().reTrans(QString::fromUtf8("中文"));
}

// Custom key names and program names come from the settings file (an
// imported one too) and from desktop entries: shown as they stand, never
// read as markup that makes the window open a file an <img> names.
TEST_F(KeyPage, NamesFromTheSettingsAndDesktopEntriesAreShownAsTheyStand) {
  FifoTrap fifo;
  ASSERT_TRUE(fifo.made());
  ConfigFile& config = harness.config();
  ASSERT_TRUE(harness.arrive(CFG_MesaA));
  const QString trap = QStringLiteral("<img src=\"file://%1\">").arg(fifo.path());
  config.setComboxIndex(K1, KeyHostKey);
  config.setShortcutkeyEnum(K1, ECusShortcutkey);
  config.setDisplayText(K1, trap + "#[Ctrl]+[S]");
  config.setComboxIndex(K2, KeyHostKey);
  config.setShortcutkeyEnum(K2, ECusShortcutkey);
  config.setDisplayText(K2, "<b>x</b><br>y#[Ctrl]+[Z]");
  config.addProgramList("/opt/paint/<i>paint<br>er");
  arriveOnKeyPage(CFG_MesaA);
  harness.grab();

  EXPECT_EQ(shown("key_K1"), trap);
  EXPECT_EQ(shown("key_K2"), "<b>x</b><br>y");
  auto lines = [](QQuickItem* text) { return text ? text->property("lineCount").toInt() : -1; };
  // All fourteen characters, not a bold "x" over a "y".
  QQuickItem* k2 = item("key_K2")->property("contentItem").value<QQuickItem*>();
  EXPECT_GT(k2->property("contentWidth").toReal(), 6 * k2->property("contentHeight").toReal() / 2);
  QQuickItem* program = item("programEntry_1");
  EXPECT_EQ(program->property("text").toString(), "<i>paint<br>er");
  EXPECT_EQ(lines(harness.item("programName", program)), 1);
  click("programEntry_1");
  click("removeProgram");
  ASSERT_TRUE(isOpen("removeProgramsDialog"));
  EXPECT_EQ(lines(item("removeProgramsQuestion")), 1);
  click("dialogCancel");
  harness.grab();
  EXPECT_FALSE(fifo.wasOpened()) << "the window followed a custom name to the file it names";
}

TEST_F(KeyPage, BrowsingChoosesAnyFileAsTheProgram) {
  arriveOnKeyPage(CFG_LarkA);
  // Programs on Linux carry no extension; a name with a blank must survive
  // the trip through the file dialog's URL.
  QFile program(desktop.path() + "/My Paint");
  ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  program.close();
  click("addProgram");
  click("browseProgram");
  QFileDialog* files = nullptr;
  QElapsedTimer timer;
  timer.start();
  while (!files && timer.elapsed() < 3000) {
    harness.settle(20);
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) files = dialog;
  }
  ASSERT_NE(files, nullptr) << "no file dialog";
  EXPECT_EQ(files->windowTitle(), "选择程序");
  EXPECT_EQ(files->nameFilters(), QStringList{"应用程序 (*)"});
  // As a user would: in the folder, type the name and accept.
  files->setDirectory(desktop.path());
  QLineEdit* name = files->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText("My Paint");
  QMetaObject::invokeMethod(files, "accept");
  harness.settle(100);
  EXPECT_EQ(item("chosenProgram")->property("text").toString(), program.fileName());
  click("dialogAccept");
  EXPECT_EQ(harness.config().getProgramList(), QVariantList{program.fileName()});
  EXPECT_EQ(item("programEntry_1")->property("text").toString(), "My Paint");
}

TEST_F(KeyPage, TheDialHotKeyDialogStoresTheNameAndTheShortcutOfEachTurn) {
  ConfigFile& config = harness.config();
  arriveOnKeyPage(CFG_MesaA);
  choose("key_R3", SwivelHostkey);
  ASSERT_TRUE(isOpen("rollerHotKeyDialog"));
  EXPECT_FALSE(item("dialogAccept")->isEnabled());
  click("recordRight");
  QTest::keyClick(harness.window(), Qt::Key_BracketRight);
  click("recordLeft");
  QTest::keyClick(harness.window(), Qt::Key_BracketLeft);
  click("rollerCustomName");
  type("Brush");
  click("dialogAccept");
  EXPECT_EQ(config.getShortcutkeyEnum(R3), ESwivelCusKey);
  EXPECT_EQ(config.getDisplayText(R3), "Brush#[[]#[]]");
  EXPECT_EQ(shown("key_R3"), "Brush");

  // Only the ticked side is kept.
  choose("key_R3", SwivelHostkey);
  click("recordLeft");
  click("dialogAccept");
  EXPECT_EQ(config.getDisplayText(R3), "Brush##[]]");
}

}  // namespace
