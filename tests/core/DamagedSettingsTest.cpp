// Settings files that a damaged disk, a hand edit or a hostile user left
// behind: whatever a value says, the store answers with a value of its kind
// (the one of a missing key when the stored one is not), and no count in the
// file makes it read more than the file holds.

#include "driver/core/ConfigFile.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/SettingsFileCheck.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPointF>
#include <QRect>
#include <QSettings>

#include <memory>

using namespace MyQmlEnum;

namespace {

class DamagedSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = testenv::freshDir("damaged");
    store = std::make_unique<ConfigFile>(dir);
  }

  // Replaces the current file by these lines.
  void writeFile(const QByteArray& text) {
    QFile file(store->currentConfigFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }

  QString dir;
  std::unique_ptr<ConfigFile> store;
};

}  // namespace

TEST_F(DamagedSettingsTest, AProgramListReadsOnlyTheEntriesTheFileHolds) {
  writeFile("[CusConfigProgramPaths]\nsize=2147483647\n1\\path=/usr/bin/krita\n");
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(store->getProgramList(), QVariantList{QVariant("/usr/bin/krita")});
  EXPECT_LT(timer.elapsed(), 2000);
  EXPECT_EQ(store->getCusConfigProgramPathList().size(), 1);

  // Holes and entries past the size are not programs; neither is an empty path.
  writeFile("[CusConfigProgramPaths]\nsize=3\n1\\path=/a/one\n3\\path=/a/three\n5\\path=/a/five\n2\\other=x\n");
  EXPECT_EQ(store->getProgramList(), (QVariantList{QVariant("/a/one"), QVariant("/a/three")}));

  for (const QByteArray& size : {QByteArray("size=-4"), QByteArray("size=many"), QByteArray("")}) {
    writeFile("[CusConfigProgramPaths]\n" + size + "\n1\\path=/a/one\n");
    EXPECT_TRUE(store->getProgramList().isEmpty()) << size.constData();
  }

  // The store still writes a sound list over a damaged one.
  writeFile("[CusConfigProgramPaths]\nsize=2147483647\n1\\path=/a/one\n");
  store->getProgramList();
  store->addProgramList("/a/two");
  EXPECT_EQ(store->getProgramList(), (QVariantList{QVariant("/a/one"), QVariant("/a/two")}));
}

TEST_F(DamagedSettingsTest, ValuesThatAreNotOfTheirKindReadAsMissing) {
  writeFile(
      "[global]\nSkinIndex=dark\nCoordinateModel=1.5\nWinLnk=hello\nHideHint=2\nMouseRate=nan\n"
      "[PressCurve]\ntopPoint=@PointF(nan 1)\nmidPoint=@PointF(0.5\nbottomPoint=zero\n"
      "[PenKey]\nupShortcutkeyEnum=7x\nDisablePressure=yes please\n"
      "[Area]\nDynamicRectScreen=@Rect(0 0 19\nDynamicRectTablet=hello\nRotationAngle=ninety\n"
      "[CommonKey]\nK1ShortcutkeyEnum=\"3, 4\"\nCurrentSwivelKey=@Rect(1 2 3 4)\n");
  EXPECT_EQ(store->getSkinIndex(), 5);
  EXPECT_EQ(store->getCoordinateModel(), 0);
  EXPECT_TRUE(store->getWinLnk());
  EXPECT_FALSE(store->getHideHint());
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5);
  EXPECT_EQ(store->getPenPressedCurvePoint(TopPoint), QPointF(1, 1));
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.5, 0.5));
  EXPECT_EQ(store->getPenPressedCurvePoint(BottomPoint), QPointF(0, 0));
  EXPECT_EQ(store->getShortcutkeyEnum(PenUpKey), ERightMouseButton);
  EXPECT_FALSE(store->getIsDisablePressure());
  EXPECT_EQ(store->getRectSize(DynamicRectScreen), QRect(0, 0, 300, 168));
  store->setRectSize(MaxVirtualTablet, QRect(0, 0, 260, 160));
  EXPECT_EQ(store->getRectSize(DynamicRectTablet), QRect(0, 0, 260, 160));
  EXPECT_EQ(store->getRotationAngle(), 0);
  EXPECT_EQ(store->getShortcutkeyEnum(K1), ENoEffect);
  EXPECT_EQ(store->getCurrentSwivelKey(), R1);
}

TEST_F(DamagedSettingsTest, NumbersOutsideWhatTheyCanMeanReadAsMissing) {
  for (const QByteArray& rate : {"inf", "-inf", "1e308", "-0.5", "1.5"}) {
    writeFile("[global]\nMouseRate=" + rate + "\n");
    EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5) << rate.constData();
  }
  // An empty rectangle, or one no screen has, is no selection.
  for (const QByteArray& rect :
       {"@Rect(0 0 0 0)", "@Rect(0 0 2147483647 2147483647)", "@Rect(-2147483647 0 10 10)", "@Rect(5 5 -10 20)"}) {
    writeFile("[Area]\nDynamicRectScreen=" + rect + "\n");
    EXPECT_EQ(store->getRectSize(DynamicRectScreen), QRect(0, 0, 300, 168)) << rect.constData();
  }
  writeFile("[PressCurve]\nmidPoint=@PointF(0.5 inf)\n");
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.5, 0.5));
}

TEST_F(DamagedSettingsTest, WhatTheStoreWritesReadsBackUnchanged) {
  // Written values come back typed from QSettings' cache and as text from
  // the file; both must pass.
  store->setMouseRate(0.25);
  store->setWinLnk(false);
  store->setHideHint(true);
  store->setSkinIndex(2);
  store->setRectSize(DynamicRectScreen, QRect(10, 20, 100, 50));
  store->setPenPressedCurve(QPointF(0.9, 1), QPointF(0.4, 0.6), QPointF(0.1, 0));
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.25);
    EXPECT_FALSE(store->getWinLnk());
    EXPECT_TRUE(store->getHideHint());
    EXPECT_EQ(store->getSkinIndex(), 2);
    EXPECT_EQ(store->getRectSize(DynamicRectScreen), QRect(10, 20, 100, 50));
    EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.4, 0.6));
    // A second store reads the file afresh.
    store = std::make_unique<ConfigFile>(dir);
  }
  // Hand-written booleans in their usual spellings.
  writeFile("[global]\nWinLnk=FALSE\nHideHint=1\n");
  EXPECT_FALSE(store->getWinLnk());
  EXPECT_TRUE(store->getHideHint());
}

// QSettings hands the bytes of a "@Variant(...)" value to QDataStream, which a
// damaged value can make ask for an allocation of any size; the driver ended
// there each time it read the file. Now the file is set aside whole, the
// model starts from its defaults, and an import of such a file is refused.
TEST_F(DamagedSettingsTest, AFileQSettingsCannotReadIsKeptAsideAndTheModelStartsFromItsDefaults) {
  const QByteArray damaged =
      "[global]\nMouseRate=0.25\n[PressCurve]\n"
      "midPoint=@Variant(\\0\\0\\0\\h1a?\\xe0\\0\\0\\0\\0\\0\\0?\\xe3\\x33\\x33\\x33\\x33\\x33\\x33)\n";
  const double defaultRate = store->getMouseRate();
  const QPointF defaultMid = store->getPenPressedCurvePoint(MidPoint);
  const QString modelFile = dir + "/Lark A_config.ini";
  auto writeModelFile = [&] {
    QFile file(modelFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damaged);
  };
  auto contentOf = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };

  writeModelFile();
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_EQ(store->getMouseRate(), defaultRate);
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), defaultMid);
  EXPECT_EQ(contentOf(modelFile + ".damaged"), damaged) << "kept whole for the user";
  store->setMouseRate(0.5);
  EXPECT_EQ(store->getMouseRate(), 0.5) << "the model goes on with a file of its own";

  // A second damaged file never replaces the first one set aside.
  writeModelFile();
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_EQ(contentOf(modelFile + ".damaged-2"), damaged);
  EXPECT_EQ(contentOf(modelFile + ".damaged"), damaged);

  // Importing one leaves the current settings as they are.
  store->setMouseRate(0.75);
  const QString offered = testenv::freshDir("offered") + "/Lark A_config.ini";
  {
    QFile file(offered);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
  }
  FileDialogService::setHandler([&](const FileDialogService::Request&) { return offered; });
  EXPECT_FALSE(store->importConfigFile());
  FileDialogService::setHandler({});
  EXPECT_EQ(store->getMouseRate(), 0.75);
}

// What QSettings writes for the store passes the check, whatever the points
// hold; a "@Variant(...)" of any other type, or one spelled with escapes, does
// not: QSettings would hand its bytes to QDataStream as an image, a list of
// any length or whatever else they name.
TEST(SettingsFileCheck, PassesWhatTheStoreWritesAndRefusesEveryOtherVariant) {
  const QString dir = testenv::freshDir("check");
  const QString written = dir + "/written.ini";
  {
    QSettings settings(written, QSettings::IniFormat);
    const double samples[] = {0.0, 1.0, 0.5, 2.0, -2.5, 1e300, -1e-300, 0.4, 0.6, 3.0, 64.0, 0.3333333333333333};
    int n = 0;
    for (double x : samples)
      for (double y : samples) settings.setValue(QStringLiteral("PressCurve/p%1").arg(n++), QPointF(x, y));
    settings.setValue("Area/DynamicRectScreen", QRect(-5, 7, 300, 168));
    settings.setValue("CommonKey/K1DisplayText", "@home#[Ctrl]+[@]");
    settings.setValue("CommonKey/K2DisplayText", "C:\\Program Files\\Krita\\krita.exe");
    settings.setValue("CommonKey/K3DisplayText", "a, b; c = d");
  }
  EXPECT_TRUE(SettingsFileCheck::readable(written));

  const char* const refused[] = {
      "p=@Variant(\\0\\0\\0\\h1a?\\xe0\\0\\0\\0\\0\\0\\0?\\xe3\\x33\\x33\\x33\\x33\\x33\\x33)",  // not a point
      "p=@Variant(\\0\\0\\0\\x45\\0\\0\\0\\x10)",                                             // an image
      "p=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QList<int>\\0\\0\\xff\\xff\\xff\\xff)",           // a user type
      "p=@Variant(\\0\\0\\0\\x1a0\\0)",         // a digit that makes the type another number
      "p=\\x40Variant(\\0\\0\\0\\x45)",        // the @ as an escape
      "p=\\100Variant(\\0\\0\\0\\x45)",
      "p=\\@Variant(\\0\\0\\0\\x45)",
      "p=@V\\x61riant(\\0\\0\\0\\x45)",        // the name spelled with an escape
      "p=@Variant\\x28\\0\\0\\0\\x45)",
      "p=\"x, @Variant(\\0\\0\\0\\x45)\"",     // the second entry of a list
      "p=a, @Variant(\\0\\0\\0\\x45)",
  };
  for (const char* line : refused) {
    const QString path = dir + "/hostile.ini";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("[PressCurve]\n") + line + "\n");
    file.close();
    EXPECT_FALSE(SettingsFileCheck::readable(path)) << line;
  }
}
