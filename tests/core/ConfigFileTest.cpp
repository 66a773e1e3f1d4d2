// The settings store against real files in a private directory; the files it
// writes are checked with a plain QSettings, as any other reader would see them.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>

#include <memory>

using namespace MyQmlEnum;

namespace {

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = testenv::freshDir("config");
    store = std::make_unique<ConfigFile>(dir);
  }

  // The current file as a plain reader sees it.
  std::unique_ptr<QSettings> plainReader() const {
    return std::make_unique<QSettings>(store->currentConfigFilePath(), QSettings::IniFormat);
  }

  QString dir;
  std::unique_ptr<ConfigFile> store;
};

TEST_F(ConfigFileTest, FreshInstallationReadsTheValuesOfMissingKeys) {
  EXPECT_EQ(store->currentConfigFilePath(), dir + "/setting.ini");
  EXPECT_EQ(store->getSkinIndex(), 5);
  EXPECT_EQ(store->getCoordinateModel(), 0);
  EXPECT_TRUE(store->getWinLnk());
  EXPECT_FALSE(store->getHideHint());
  EXPECT_FALSE(store->getDisableShortKey());
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5);
  EXPECT_EQ(store->getPenPressedCurvePoint(TopPoint), QPointF(1, 1));
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.5, 0.5));
  EXPECT_EQ(store->getPenPressedCurvePoint(BottomPoint), QPointF(0, 0));
  EXPECT_EQ(store->getPenPressedCurvePoint(3), QPointF(0, 0));
  EXPECT_EQ(store->getShortcutkeyEnum(PenUpKey), ERightMouseButton);
  EXPECT_EQ(store->getShortcutkeyEnum(PenDownKey), EPenEraserTool);
  EXPECT_EQ(store->getComboxIndex(PenUpKey), 0);
  EXPECT_EQ(store->getDisplayText(PenDownKey), "");
  EXPECT_FALSE(store->getIsDisablePressure());
  EXPECT_EQ(store->getComboxIndex(ScreenCombox), 0);
  EXPECT_EQ(store->getRotationAngle(), 0);
  EXPECT_EQ(store->getCurrentSwivelKey(), R1);
  EXPECT_EQ(store->getKeyGroupName(), "CommonKey");

  // Roller keys start on wheel, canvas and brush size; an express key with no
  // default table does nothing.
  EXPECT_EQ(store->getShortcutkeyEnum(R1), ESwivelWheel);
  EXPECT_EQ(store->getShortcutkeyEnum(R2), ESwivelCanvas);
  EXPECT_EQ(store->getShortcutkeyEnum(R3), ESwivelBrush);
  EXPECT_EQ(store->getShortcutkeyEnum(R4), ENoEffect);
  EXPECT_EQ(store->getComboxIndex(R1), 1);
  EXPECT_EQ(store->getComboxIndex(R3), 3);
  EXPECT_EQ(store->getComboxIndex(R4), 0);
  EXPECT_EQ(store->getShortcutkeyEnum(K1), ENoEffect);

  EXPECT_EQ(store->getRectSize(DynamicRectScreen), QRect(0, 0, 300, 168));
  EXPECT_EQ(store->getRectSize(DynamicRectTablet), QRect(1, 1, 1, 1));
  EXPECT_EQ(store->getRectSize(MaxVirtualScreen), QRect(0, 0, 300, 168));
  EXPECT_EQ(store->getRectSize(MaxVirtualTablet), QRect(1, 1, 1, 1));
  EXPECT_TRUE(store->getRectSize(4).isNull());

  EXPECT_TRUE(store->getProgramList().isEmpty());
  EXPECT_EQ(store->getDisPlayTextFromMap(K1), "");
  // Reading wrote nothing.
  EXPECT_FALSE(QFileInfo::exists(store->currentConfigFilePath()));
}

TEST_F(ConfigFileTest, SettersWriteTheKeysAndTypesOtherReadersExpect) {
  store->setSkinIndex(2);
  store->setCoordinateModel(Aelatively);
  store->setWinLnk(false);
  store->setHideHint(true);
  store->setDisableShortKey(true);
  store->setMouseRate(0.75);
  store->setPenPressedCurve(QPointF(0.9, 1), QPointF(0.4, 0.6), QPointF(0.1, 0));
  store->setDisablePressure(true);
  store->setRotationAngle(270);
  store->setRectSize(DynamicRectScreen, QRect(10, 20, 100, 50));
  store->setRectSize(DynamicRectTablet, QRect(0, 0, 152, 95));
  store->setComboxIndex(PenUpKey, 6);
  store->setDisplayText(PenUpKey, "[Ctrl]+[Z]");
  store->setShortcutkeyEnum(PenDownKey, ECusShortcutkey);
  store->setComboxIndex(ScreenCombox, 1);
  store->setComboxIndex(K2, 3);
  store->setDisplayText(R2, "Zoom#[Ctrl]+[+]#[Ctrl]+[-]");
  store->setShortcutkeyEnum(R2, ESwivelCusKey);
  store->setCurrentSwivelKey(R2);

  auto ini = plainReader();
  EXPECT_EQ(ini->value("global/SkinIndex").toInt(), 2);
  EXPECT_EQ(ini->value("global/CoordinateModel").toInt(), 1);
  EXPECT_FALSE(ini->value("global/WinLnk").toBool());
  EXPECT_TRUE(ini->value("global/HideHint").toBool());
  EXPECT_TRUE(ini->value("global/DisableShortcut").toBool());
  EXPECT_DOUBLE_EQ(ini->value("global/MouseRate").toDouble(), 0.75);
  EXPECT_EQ(ini->value("PressCurve/topPoint").toPointF(), QPointF(0.9, 1));
  EXPECT_EQ(ini->value("PressCurve/midPoint").toPointF(), QPointF(0.4, 0.6));
  EXPECT_EQ(ini->value("PressCurve/bottomPoint").toPointF(), QPointF(0.1, 0));
  EXPECT_TRUE(ini->value("PenKey/DisablePressure").toBool());
  EXPECT_EQ(ini->value("Area/RotationAngle").toInt(), 270);
  EXPECT_EQ(ini->value("Area/DynamicRectScreen").toRect(), QRect(10, 20, 100, 50));
  EXPECT_EQ(ini->value("Area/DynamicRectTablet").toRect(), QRect(0, 0, 152, 95));
  EXPECT_EQ(ini->value("PenKey/UpKeyFunctionIndex").toInt(), 6);
  EXPECT_EQ(ini->value("PenKey/UpKeyDisplayText").toString(), "[Ctrl]+[Z]");
  EXPECT_EQ(ini->value("PenKey/downShortcutkeyEnum").toInt(), ECusShortcutkey);
  EXPECT_EQ(ini->value("Area/ScreenIndex").toInt(), 1);
  EXPECT_EQ(ini->value("CommonKey/K2FunctionIndex").toInt(), 3);
  EXPECT_EQ(ini->value("CommonKey/R2DisplayText").toString(), "Zoom#[Ctrl]+[+]#[Ctrl]+[-]");
  EXPECT_EQ(ini->value("CommonKey/R2ShortcutkeyEnum").toInt(), ESwivelCusKey);
  EXPECT_EQ(ini->value("CommonKey/CurrentSwivelKey").toInt(), R2);

  // And the store reads its own values back.
  EXPECT_EQ(store->getCoordinateModel(), Aelatively);
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.4, 0.6));
  EXPECT_EQ(store->getRectSize(DynamicRectTablet), QRect(0, 0, 152, 95));
  EXPECT_EQ(store->getDisplayText(R2), "Zoom#[Ctrl]+[+]#[Ctrl]+[-]");
  EXPECT_EQ(store->getShortcutkeyEnum(PenDownKey), ECusShortcutkey);
}

TEST_F(ConfigFileTest, DefaultKeyTableOfTheArrivedModelShowsThroughUnsetExpressKeys) {
  store->setDeviceConfig("K40 V2", CFG_VarnexK40V2);
  EXPECT_EQ(store->getShortcutkeyEnum(K1), EShowDriver);
  EXPECT_EQ(store->getShortcutkeyEnum(K2), ECanvasZoomIn);
  EXPECT_EQ(store->getShortcutkeyEnum(K3), ECanvasZoomOut);
  EXPECT_EQ(store->getShortcutkeyEnum(K4), EUndo);
  EXPECT_EQ(store->getShortcutkeyEnum(K5), ENoEffect);
  EXPECT_EQ(store->getShortcutkeyEnum(K10), ENoEffect);

  // A stored choice wins over the table, also a stored "no effect".
  store->setShortcutkeyEnum(K1, ESave);
  store->setShortcutkeyEnum(K2, ENoEffect);
  EXPECT_EQ(store->getShortcutkeyEnum(K1), ESave);
  EXPECT_EQ(store->getShortcutkeyEnum(K2), ENoEffect);

  // A model without its own table keeps the one in force.
  store->setDeviceConfig("Lark B", CFG_LarkB);
  EXPECT_EQ(store->getShortcutkeyEnum(K3), EShowDriver);
  store->setDeviceConfig("Lark D1", CFG_LarkD1);
  EXPECT_EQ(store->getShortcutkeyEnum(K3), EShowDriver);
  store->setDeviceConfig("Fjord 4 Pro", CFG_Fjord4Pro);
  EXPECT_EQ(store->getShortcutkeyEnum(K1), EBrushZoomIn);
  EXPECT_EQ(store->getShortcutkeyEnum(K6), EHandGripTool);
}

TEST_F(ConfigFileTest, KeysNoModelHasAreStoredButNotReadBack) {
  store->setDeviceConfig("K40 V2", CFG_VarnexK40V2);
  store->setShortcutkeyEnum(K11, ESave);
  store->setDisplayText(K12, "twelve");
  store->setDisplayText(R7, "seven");
  store->setShortcutkeyEnum(R8, ESwivelLayer);
  store->setComboxIndex(K11, 4);

  auto ini = plainReader();
  EXPECT_EQ(ini->value("CommonKey/K11ShortcutkeyEnum").toInt(), ESave);
  EXPECT_EQ(ini->value("CommonKey/K12DisplayText").toString(), "twelve");
  EXPECT_EQ(ini->value("CommonKey/R7DisplayText").toString(), "seven");
  EXPECT_FALSE(ini->contains("CommonKey/K11FunctionIndex"));

  EXPECT_EQ(store->getShortcutkeyEnum(K11), -1);
  EXPECT_EQ(store->getShortcutkeyEnum(K12), -1);
  EXPECT_EQ(store->getDisplayText(K12), "");
  EXPECT_EQ(store->getDisplayText(R7), "");
  EXPECT_EQ(store->getShortcutkeyEnum(R8), ESwivelLayer);
  EXPECT_EQ(store->getComboxIndex(K11), 0);
  for (int notAKey : {int(NokeyDown), int(RTurnRight), int(RTurnLeft), int(RCenterKey), int(ScreenCombox), 99})
    EXPECT_EQ(store->getShortcutkeyEnum(notAKey), -1) << notAKey;

  // Nothing else was written for keys outside every range.
  store->setShortcutkeyEnum(RCenterKey, ESave);
  store->setDisplayText(ScreenCombox, "x");
  EXPECT_EQ(plainReader()->allKeys().size(), 4);
}

TEST_F(ConfigFileTest, KeyGroupsKeepProgramsApart) {
  QSignalSpy changed(store.get(), &ConfigFile::keyGroupNameChanged);
  store->setComboxIndex(K1, 1);
  store->setProperty("KeyGroupName", "krita");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString(), "krita");

  store->setComboxIndex(K1, 4);
  store->setShortcutkeyEnum(R1, ESwivelPage);
  store->setCurrentSwivelKey(R3);
  EXPECT_EQ(store->getComboxIndex(K1), 4);

  auto ini = plainReader();
  EXPECT_EQ(ini->value("krita/K1FunctionIndex").toInt(), 4);
  EXPECT_EQ(ini->value("krita/R1ShortcutkeyEnum").toInt(), ESwivelPage);
  EXPECT_EQ(ini->value("CommonKey/K1FunctionIndex").toInt(), 1);
  // Pen buttons are shared by every group.
  store->setShortcutkeyEnum(PenUpKey, EUndo);
  EXPECT_TRUE(plainReader()->contains("PenKey/upShortcutkeyEnum"));

  store->setKeyGroupName("CommonKey");
  EXPECT_EQ(store->getComboxIndex(K1), 1);
  EXPECT_EQ(store->getShortcutkeyEnum(R1), ESwivelWheel);
  EXPECT_EQ(store->getCurrentSwivelKey(), R1);
  EXPECT_EQ(store->getShortcutkeyEnum(PenUpKey), EUndo);
  // Writing the same name again still tells the window to reload.
  store->setKeyGroupName("CommonKey");
  EXPECT_EQ(changed.count(), 3);
}

TEST_F(ConfigFileTest, DialSkipsRollerKeysWithoutFunctionAndWraps) {
  // From R6 the next key is R1, which has the wheel by default.
  store->setCurrentSwivelKey(R6);
  store->switchSwivelKey();
  EXPECT_EQ(store->getCurrentSwivelKey(), R1);
  store->switchSwivelKey();
  EXPECT_EQ(store->getCurrentSwivelKey(), R2);

  // R3 and R4 do nothing: the dial jumps from R2 to R5.
  store->setShortcutkeyEnum(R3, ENoEffect);
  store->setShortcutkeyEnum(R5, ESwivelLayer);
  store->switchSwivelKey();
  EXPECT_EQ(store->getCurrentSwivelKey(), R5);

  // A stored key outside the ring starts it again at R1.
  store->setCurrentSwivelKey(R8);
  store->switchSwivelKey();
  EXPECT_EQ(store->getCurrentSwivelKey(), R1);

  // With no roller function at all, seven steps from R1 end on R2.
  for (int key : {R1, R2, R5}) store->setShortcutkeyEnum(key, ENoEffect);
  store->setCurrentSwivelKey(R1);
  store->switchSwivelKey();
  EXPECT_EQ(store->getCurrentSwivelKey(), R2);
}

TEST_F(ConfigFileTest, ResettingAGroupReturnsItsKeysToTheirDefaultsAndSelectsIt) {
  store->addProgramList("/usr/bin/krita");
  store->setComboxIndex(K1, 2);
  store->setShortcutkeyEnum(R1, ESwivelStep);
  store->setKeyGroupName("krita");
  store->setComboxIndex(K1, 5);
  store->setSkinIndex(1);

  QSignalSpy changed(store.get(), &ConfigFile::keyGroupNameChanged);
  store->cleanProgramConfig(-1);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString(), "CommonKey");
  EXPECT_EQ(store->getComboxIndex(K1), 0);
  EXPECT_EQ(store->getShortcutkeyEnum(R1), ESwivelWheel);
  EXPECT_EQ(store->getSkinIndex(), 1);
  EXPECT_EQ(plainReader()->value("krita/K1FunctionIndex").toInt(), 5);

  store->cleanProgramConfig(0);
  EXPECT_EQ(store->getKeyGroupName(), "krita");
  EXPECT_EQ(store->getComboxIndex(K1), 0);
  EXPECT_EQ(store->getProgramList().size(), 1);

  // No program at that index: nothing changes, nothing is announced.
  store->cleanProgramConfig(3);
  EXPECT_EQ(changed.count(), 2);
  EXPECT_EQ(store->getKeyGroupName(), "krita");
}

// A Linux program has no ".exe": one named like a section of the store must
// not make removing or resetting it take the store's own settings along.
TEST_F(ConfigFileTest, ProgramsNamedLikeTheStoresSectionsKeepGroupsOfTheirOwn) {
  const QStringList clashing = {"/opt/x/Area",       "/opt/x/global",    "/opt/x/PenKey",
                                "/opt/x/PressCurve", "/opt/x/CommonKey", "/opt/x/CusConfigProgramPaths"};
  store->setRectSize(0, QRect(10, 20, 30, 40));
  store->setSkinIndex(2);
  store->setDisablePressure(true);
  store->setPenPressedCurve(QPointF(0.9, 0.9), QPointF(0.4, 0.6), QPointF(0.1, 0.0));
  store->setComboxIndex(K1, 7);
  for (const QString& path : clashing) {
    store->addProgramList(path);
    const QString group = store->programKeyGroup(path);
    EXPECT_EQ(group, "program:" + QFileInfo(path).fileName());
    store->setKeyGroupName(group);
    store->setComboxIndex(K1, 3);
  }

  store->cleanProgramConfig(0);  // Area
  store->cleanProgramConfig(4);  // CommonKey
  store->subProgramList(1);      // global
  store->cleanProgramList();
  EXPECT_EQ(store->getRectSize(0), QRect(10, 20, 30, 40));
  EXPECT_EQ(store->getSkinIndex(), 2);
  EXPECT_TRUE(store->getIsDisablePressure());
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.4, 0.6));
  store->setKeyGroupName("CommonKey");
  EXPECT_EQ(store->getComboxIndex(K1), 7);
  EXPECT_TRUE(store->getProgramList().isEmpty());
  EXPECT_EQ(plainReader()->childGroups(), QStringList({"Area", "CommonKey", "PenKey", "PressCurve", "global"}));
}

// The window may name a program's group by the program's bare name; keys
// stored for a program called "Area" or "global" then still go to its own
// group, never into the store's section of that name.
TEST_F(ConfigFileTest, ABareProgramNameAsKeyGroupNeverWritesIntoTheStoresSections) {
  store->setRectSize(0, QRect(10, 20, 30, 40));
  store->setWinLnk(false);
  for (const QString& name : {"Area", "global"}) {
    store->setKeyGroupName(name);
    EXPECT_EQ(store->getKeyGroupName(), "program:" + name);
    store->setComboxIndex(K1, 3);
    store->setDisplayText(K1, "Ctrl+S");
    EXPECT_EQ(store->getComboxIndex(K1), 3);
  }
  EXPECT_EQ(plainReader()->childKeys().size(), 0);
  auto reader = plainReader();
  reader->beginGroup("Area");
  EXPECT_FALSE(reader->childKeys().join(',').contains("K1"));
  reader->endGroup();
  reader->beginGroup("global");
  EXPECT_FALSE(reader->childKeys().join(',').contains("K1"));
  reader->endGroup();
  EXPECT_EQ(store->getRectSize(0), QRect(10, 20, 30, 40));

  store->setKeyGroupName("");
  EXPECT_EQ(store->getKeyGroupName(), "CommonKey");
  store->setKeyGroupName(store->programKeyGroup("/opt/x/Area"));
  EXPECT_EQ(store->getKeyGroupName(), "program:Area");
  EXPECT_EQ(store->getComboxIndex(K1), 3);
}

// Files written before keep their groups: names from Windows ("krita.exe")
// and any name that clashes with nothing stay as they are; the prefix itself
// is escaped, so no two programs share a group.
TEST_F(ConfigFileTest, ProgramGroupsOfExistingFilesStayAsTheyAre) {
  for (const QString& name : {"krita.exe", "Krita.exe", "krita", "area", "Area.exe", "画图.exe", "my tool"})
    EXPECT_EQ(store->programKeyGroup("C:/Program Files/Krita/" + name), name);
  EXPECT_EQ(store->programKeyGroup("/usr/bin/program:Area"), "program:program:Area");
  EXPECT_EQ(store->programKeyGroup("/usr/bin/"), "");

  {
    QSettings ini(store->currentConfigFilePath(), QSettings::IniFormat);
    ini.beginWriteArray("CusConfigProgramPaths");
    ini.setArrayIndex(0);
    ini.setValue("path", "C:/Program Files/Krita/bin/krita.exe");
    ini.endArray();
    ini.setValue("krita.exe/K1FunctionIndex", 6);
  }
  store->getProgramList();
  store->setKeyGroupName(store->programKeyGroup(store->getProgramList().at(0).toString()));
  EXPECT_EQ(store->getComboxIndex(K1), 6);
  store->cleanProgramConfig(0);
  EXPECT_EQ(store->getComboxIndex(K1), 0);
}

// A Flatpak is grouped under its whole name; a file that happens to be
// called like one gets a group apart, and neither touches the other.
TEST_F(ConfigFileTest, AFlatpakProgramsGroupCannotMeetAFilesGroup) {
  EXPECT_EQ(store->programKeyGroup("flatpak:org.kde.krita"), "flatpak:org.kde.krita");
  EXPECT_EQ(store->programKeyGroup("/home/u/bin/flatpak:org.kde.krita"), "program:flatpak:org.kde.krita");
  EXPECT_EQ(store->programKeyGroup("/usr/bin/krita"), "krita");

  store->addProgramList("flatpak:org.kde.krita");
  store->addProgramList("/home/u/bin/flatpak:org.kde.krita");
  store->setKeyGroupName(store->programKeyGroup("flatpak:org.kde.krita"));
  store->setComboxIndex(K1, 8);
  store->setKeyGroupName(store->programKeyGroup("/home/u/bin/flatpak:org.kde.krita"));
  store->setComboxIndex(K1, 5);
  store->setKeyGroupName("flatpak:org.kde.krita");
  EXPECT_EQ(store->getKeyGroupName(), "flatpak:org.kde.krita") << "the window may name it bare";
  EXPECT_EQ(store->getComboxIndex(K1), 8);

  store->subProgramList(1);
  EXPECT_EQ(store->getProgramList(), QVariantList{"flatpak:org.kde.krita"});
  EXPECT_EQ(store->getComboxIndex(K1), 8) << "removing the file kept the Flatpak's keys";
  store->cleanProgramConfig(0);
  EXPECT_EQ(store->getComboxIndex(K1), 0);
}

TEST_F(ConfigFileTest, RemovingOneKeyRestoresItsDefaultAndAnEmptyNameRemovesNothing) {
  store->setCoordinateModel(Aelatively);
  store->setWinLnk(false);
  store->removeConfigGroup("global/CoordinateModel");
  EXPECT_EQ(store->getCoordinateModel(), Absolute);
  EXPECT_FALSE(store->getWinLnk());

  store->removeConfigGroup("");
  EXPECT_FALSE(store->getWinLnk());
  store->removeConfigGroup("global");
  EXPECT_TRUE(store->getWinLnk());
}

TEST_F(ConfigFileTest, EachModelKeepsItsOwnFileNamedAfterIt) {
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_EQ(store->currentConfigFilePath(), dir + "/Lark A_config.ini");
  store->setSkinIndex(3);
  store->setComboxIndex(K1, 7);
  const QString larkFile = store->currentConfigFilePath();

  store->setDeviceConfig("Fjord 4", CFG_Fjord4);
  EXPECT_EQ(store->currentConfigFilePath(), dir + "/Fjord 4_config.ini");
  EXPECT_EQ(store->getSkinIndex(), 5);
  store->setSkinIndex(4);

  QSettings lark(larkFile, QSettings::IniFormat);
  EXPECT_EQ(lark.value("global/SkinIndex").toInt(), 3);
  EXPECT_EQ(lark.value("CommonKey/K1FunctionIndex").toInt(), 7);

  // Coming back finds the first model's settings again.
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_EQ(store->getSkinIndex(), 3);
}

TEST_F(ConfigFileTest, CalibrationRoundTripsPerAngleAndDamagedRecordsCountAsUncalibrated) {
  CalibrationCalculationPoint written{1.00123456789, -0.002, 12.5, 0.001, 0.998, -7.25, true};
  store->setCalibrationPointInfo(90, written);
  EXPECT_EQ(plainReader()->value("Area/CalibrationCalculationPoint90").toStringList(),
            QStringList({"1.00123", "-0.002", "12.5", "0.001", "0.998", "-7.25", "1"}));

  CalibrationCalculationPoint read;
  store->getCalibrationPointInfo(90, read);
  EXPECT_TRUE(read.valid);
  EXPECT_DOUBLE_EQ(read.a, 1.00123);
  EXPECT_DOUBLE_EQ(read.c, 12.5);
  EXPECT_DOUBLE_EQ(read.f, -7.25);

  // Another angle has no record: the flag clears, the coefficients stay.
  store->getCalibrationPointInfo(0, read);
  EXPECT_FALSE(read.valid);
  EXPECT_DOUBLE_EQ(read.a, 1.00123);

  written.valid = false;
  store->setCalibrationPointInfo(180, written);
  read.valid = true;
  store->getCalibrationPointInfo(180, read);
  EXPECT_FALSE(read.valid);

  {
    auto ini = plainReader();
    ini->setValue("Area/CalibrationCalculationPoint270", QStringList({"1", "0", "0", "0", "1", "0"}));
    ini->setValue("Area/CalibrationCalculationPoint0", QStringList({"1", "zero", "0", "0", "1", "0", "1"}));
  }
  CalibrationCalculationPoint untouched{2, 0, 0, 0, 2, 0, true};
  store->getCalibrationPointInfo(270, untouched);
  EXPECT_FALSE(untouched.valid);
  untouched.valid = true;
  store->getCalibrationPointInfo(0, untouched);
  EXPECT_FALSE(untouched.valid);
  EXPECT_DOUBLE_EQ(untouched.a, 2);
}

TEST_F(ConfigFileTest, ProgramListIsAStoredArrayAndRemovingAProgramRemovesItsGroup) {
  store->addProgramList("/usr/bin/krita");
  store->addProgramList("/opt/gimp/bin/gimp-2.10");
  store->addProgramList("/usr/bin/inkscape");
  store->setKeyGroupName("gimp-2.10");
  store->setComboxIndex(K2, 3);
  store->setKeyGroupName("inkscape");
  store->setComboxIndex(K2, 4);

  {
    auto ini = plainReader();
    ASSERT_EQ(ini->beginReadArray("CusConfigProgramPaths"), 3);
    ini->setArrayIndex(1);
    EXPECT_EQ(ini->value("path").toString(), "/opt/gimp/bin/gimp-2.10");
    ini->endArray();
  }

  // Another store over the same file (the next start) finds the list.
  ConfigFile reread(dir);
  EXPECT_TRUE(reread.getCusConfigProgramPathList().isEmpty());
  EXPECT_EQ(reread.getProgramList(),
            QVariantList({"/usr/bin/krita", "/opt/gimp/bin/gimp-2.10", "/usr/bin/inkscape"}));
  EXPECT_EQ(reread.getCusConfigProgramPathList().size(), 3);

  store->subProgramList(1);
  store->subProgramList(7);
  EXPECT_EQ(store->getCusConfigProgramPathList(), QVariantList({"/usr/bin/krita", "/usr/bin/inkscape"}));
  EXPECT_EQ(store->getProgramList(), QVariantList({"/usr/bin/krita", "/usr/bin/inkscape"}));
  {
    auto ini = plainReader();
    EXPECT_FALSE(ini->childGroups().contains("gimp-2.10"));
    EXPECT_EQ(ini->value("inkscape/K2FunctionIndex").toInt(), 4);
    EXPECT_FALSE(ini->contains("CusConfigProgramPaths/3/path"));
  }

  store->cleanProgramList();
  EXPECT_TRUE(store->getCusConfigProgramPathList().isEmpty());
  EXPECT_TRUE(store->getProgramList().isEmpty());
  EXPECT_EQ(plainReader()->childGroups(), QStringList());
}

TEST_F(ConfigFileTest, ArrivalRereadsTheProgramListOfTheNewModel) {
  store->setDeviceConfig("Lark A", CFG_LarkA);
  store->addProgramList("/usr/bin/krita");
  store->setDeviceConfig("Mesa B", CFG_MesaB);
  EXPECT_TRUE(store->getCusConfigProgramPathList().isEmpty());
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_EQ(store->getCusConfigProgramPathList(), QVariantList({"/usr/bin/krita"}));
}

TEST_F(ConfigFileTest, InMemoryRectangleAndDisplayTexts) {
  store->setRectSize(MaxVirtualTablet, QRect(0, 0, 224, 140));
  EXPECT_EQ(store->getRectSize(MaxVirtualTablet), QRect(0, 0, 224, 140));
  EXPECT_EQ(store->getRectSize(DynamicRectTablet), QRect(0, 0, 224, 140));
  store->setRectSize(MaxVirtualScreen, QRect(5, 5, 5, 5));
  EXPECT_EQ(store->getRectSize(MaxVirtualScreen), QRect(0, 0, 300, 168));
  EXPECT_FALSE(QFileInfo::exists(store->currentConfigFilePath()));

  store->setKeyDisPlayTextMap(K3, "Undo#[Ctrl]+[Z]");
  EXPECT_EQ(store->getDisPlayTextFromMap(K3), "Undo#[Ctrl]+[Z]");
  EXPECT_EQ(store->getDisPlayTextFromMap(K4), "");
}

TEST_F(ConfigFileTest, LanguageLivesOutsideTheModelFiles) {
  store->setLanguage("English");
  store->setDeviceConfig("Lark C", CFG_LarkC);
  EXPECT_EQ(store->getLanguage(), "English");
  QSettings native(QSettings::NativeFormat, QSettings::UserScope, "Varnex", "varnexDriver");
  EXPECT_EQ(native.value("Language").toString(), "English");
  EXPECT_TRUE(native.fileName().startsWith(testenv::homeDir()));
  EXPECT_FALSE(QFileInfo::exists(store->currentConfigFilePath()));
}

}  // namespace
