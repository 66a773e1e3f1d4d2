// Settings files that a damaged disk, a hand edit or a hostile user left
// behind: whatever a value says, the store answers with a value of its kind
// (the one of a missing key when the stored one is not), and no count in the
// file makes it read more than the file holds.

#include "driver/core/ConfigFile.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/PromptService.h"
#include "driver/core/SettingsFileCheck.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPointF>
#include <QRect>
#include <QSettings>

#include <algorithm>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace MyQmlEnum;

namespace {

QByteArray bytesOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

class DamagedSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = testenv::freshDir("damaged");
    store = std::make_unique<ConfigFile>(dir);
    PromptService::setHandler([](const PromptService::Prompt&) { return PromptService::Answer::Ok; });
  }
  void TearDown() override { PromptService::setHandler({}); }

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
      "p=\\x10040Variant(\\0\\0\\0\\x45)",   // only the low 16 bits of an escape count
      "p=@V\\x61riant(\\0\\0\\0\\x45)",        // the name spelled with an escape
      "p=@Variant\\x28\\0\\0\\0\\x45)",
      "p=@\\qVariant(\\0\\0\\0\\x45)",        // an unknown escape, which QSettings drops
      "p=@Var\\\niant(\\0\\0\\0\\x45)",       // a line continued inside the name
      "p=a, @Variant(\\0\\0\\0\\x45)",          // the second entry of a list
      "p=@DateTime(\\0\\0\\0\\x45)",            // read through QDataStream as well
      "p=\"@Variant(\\0\\0\\0\\x45)\"",
      "p=@Variant(\\0\\0\\0 \\x1a)",           // a blank kept before an escape
      "; note\n [p]=@Variant(\\0\\0\\0\\x45)",   // after a comment Qt 5 keeps the blank: no section
      "; note\r p=@Variant(\\0\\0\\0\\x45)",     // a line of its own where Qt ends comments at CR
  };
  int files = 0;
  auto fileWith = [&](const char* line) {
    const QString path = dir + QStringLiteral("/line-%1.ini").arg(++files);
    putFile(path, QByteArray("[PressCurve]\n") + line + "\n");
    return path;
  };
  for (const char* line : refused) EXPECT_FALSE(SettingsFileCheck::readable(fileWith(line))) << line;

  // What QSettings itself reads as plain text is no danger, however much it
  // looks like a variant.
  const char* const text[] = {
      "p=\\@Variant(\\0\\0\\0\\x45)",        // an unknown escape: dropped, no "@" left
      "p=\"x, @Variant(\\0\\0\\0\\x45)\"",   // quoted, so one text and not a list
      "p=@Variant(\\0\\0\\0\\x45",            // no closing parenthesis
      "p=@@Variant(\\0\\0\\0\\x45)",
  };
  for (const char* line : text) {
    const QString path = fileWith(line);
    EXPECT_TRUE(SettingsFileCheck::readable(path)) << line;
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("PressCurve/p").type(), QVariant::String) << line;
  }
}

// QSettings writes every character outside ASCII as an escape with as many
// hex digits as it needs ("\x401" for Ё), so the check must read an escape
// with all its digits: read as "\x40" and "1" it is an "@", and a program in
// /home/u/Ігри/ or a key named in Ukrainian set the whole file aside.
TEST_F(DamagedSettingsTest, WhatTheStoreWritesInAnyScriptIsKeptAcrossARestart) {
  const QString modelFile = dir + "/Lark A_config.ini";
  store->setDeviceConfig("Lark A", CFG_LarkA);
  store->setPenPressedCurve(QPointF(1, 1), QPointF(0.4, 0.6), QPointF(0, 0));
  const QString program = QString::fromUtf8("/home/u/Ігри/Їжак/krita");
  store->addProgramList(program);
  store->setDisplayText(K1, QString::fromUtf8("Ђурђевак Љиљан Њива Ћуприја Џбун Є Ѕ Ј#[Ctrl]+[Z]"));
  QString everyCharacter;
  for (uint c = 0x80; c < 0x10000; ++c)
    if (!QChar::isSurrogate(c) && c != 0xfffe && c != 0xffff) everyCharacter += QChar(ushort(c));
  store->setDisplayText(K2, everyCharacter);

  store = std::make_unique<ConfigFile>(dir);
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_FALSE(QFileInfo::exists(modelFile + ".damaged"));
  EXPECT_EQ(store->getProgramList(), QVariantList{QVariant(program)});
  EXPECT_EQ(store->getDisplayText(K1), QString::fromUtf8("Ђурђевак Љиљан Њива Ћуприја Џбун Є Ѕ Ј#[Ctrl]+[Z]"));
  EXPECT_EQ(store->getDisplayText(K2), everyCharacter);
  EXPECT_EQ(store->getPenPressedCurvePoint(MidPoint), QPointF(0.4, 0.6));
}

// ---- files the store must leave alone -------------------------------------------

namespace {

// Which files the store said it holds in memory, and why.
struct HeldFiles {
  explicit HeldFiles(ConfigFile& store) {
    QObject::connect(&store, &ConfigFile::settingsHeldInMemory,
                     [this](const QString& path, bool unreadable) { told.append({path, unreadable}); });
  }
  QVector<QPair<QString, bool>> told;
};

// A small file system of its own, for a full disk or a read-only folder.
class TmpfsMount {
 public:
  explicit TmpfsMount(const QString& where, const QString& size = "256k") : m_where(where) {
    m_mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=" + size + ",mode=0700", "tmpfs", where}) == 0;
  }
  ~TmpfsMount() {
    if (m_mounted) QProcess::execute("umount", {"-l", m_where});
  }
  bool mounted() const { return m_mounted; }
  bool makeReadOnly() { return QProcess::execute("mount", {"-o", "remount,ro", m_where}) == 0; }

 private:
  QString m_where;
  bool m_mounted = false;
};

// A damaged "@Variant" that has QDataStream ask for an allocation of any size.
const QByteArray kHostile =
    "[global]\nMouseRate=0.25\n[PressCurve]\n"
    "midPoint=@Variant(\\0\\0\\0\\h1a?\\xe0\\0\\0\\0\\0\\0\\0?\\xe3\\x33\\x33\\x33\\x33\\x33\\x33)\n";

}  // namespace

// Only content that does not read is damage. A file too large to be ours, or
// one that cannot be opened now, says nothing about its content: it stays
// where it is, untouched, and the model runs from its defaults in memory.
TEST_F(DamagedSettingsTest, AFileThatCannotBeOpenedOrIsTooLargeIsLeftAsItIs) {
  const QString modelFile = dir + "/Lark A_config.ini";
  HeldFiles held(*store);

  QByteArray large = "[global]\nMouseRate=0.25\n";
  large += QByteArray(5 * 1024 * 1024, ';') + "\n";
  putFile(modelFile, large);
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5);
  store->setMouseRate(0.75);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.75) << "what the user sets still takes effect";
  EXPECT_EQ(bytesOf(modelFile), large);
  EXPECT_FALSE(QFileInfo::exists(modelFile + ".damaged"));
  ASSERT_EQ(held.told.size(), 1);
  EXPECT_EQ(held.told[0], qMakePair(modelFile, true));

  // With every descriptor in use the file cannot even be opened.
  const QString otherFile = dir + "/Mesa B_config.ini";
  putFile(otherFile, "[global]\nMouseRate=0.25\n");
  rlimit limits{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limits), 0);
  int highest = 0;
  for (const QString& fd : QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
    highest = std::max(highest, fd.toInt());
  rlimit exhausted = limits;
  exhausted.rlim_cur = rlim_t(highest + 1);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &exhausted), 0);
  std::vector<int> filling;  // the free numbers below the limit
  for (int fd = dup(0); fd >= 0; fd = dup(0)) filling.push_back(fd);
  store->setDeviceConfig("Mesa B", CFG_MesaB);
  for (int fd : filling) close(fd);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &limits), 0);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5);
  store->setSkinIndex(2);
  EXPECT_EQ(bytesOf(otherFile), "[global]\nMouseRate=0.25\n");
  EXPECT_FALSE(QFileInfo::exists(otherFile + ".damaged"));
  ASSERT_EQ(held.told.size(), 2);
  EXPECT_EQ(held.told[1], qMakePair(otherFile, true));

  // Back on the first model, its file is not looked at again in this run.
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.75);
  EXPECT_EQ(held.told.size(), 2);
}

TEST_F(DamagedSettingsTest, AFileWithoutReadPermissionIsLeftAsItIs) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads a file of mode 000; the descriptor case covers an open that fails";
  const QString modelFile = dir + "/Lark A_config.ini";
  putFile(modelFile, "[global]\nMouseRate=0.25\n");
  ASSERT_TRUE(QFile::setPermissions(modelFile, QFileDevice::Permissions()));
  store->setDeviceConfig("Lark A", CFG_LarkA);
  store->setMouseRate(0.75);
  QFile::setPermissions(modelFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  EXPECT_EQ(bytesOf(modelFile), "[global]\nMouseRate=0.25\n");
  EXPECT_FALSE(QFileInfo::exists(modelFile + ".damaged"));
}

// In a read-only folder a damaged file cannot be moved aside; it must still
// never reach QSettings, neither at this arrival nor at the next one.
TEST_F(DamagedSettingsTest, AFileFoundUnreadableIsNeverReadAgainEvenWhereItCannotBeMoved) {
  const QString folder = testenv::freshDir("read-only");
  TmpfsMount mount(folder);
  if (!mount.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  putFile(folder + "/Lark A_config.ini", kHostile);
  ASSERT_TRUE(mount.makeReadOnly());

  auto readOnly = std::make_unique<ConfigFile>(folder);
  HeldFiles held(*readOnly);
  for (int arrival = 0; arrival < 2; ++arrival) {
    readOnly->setDeviceConfig("Lark A", CFG_LarkA);
    EXPECT_EQ(readOnly->getPenPressedCurvePoint(MidPoint), QPointF(0.5, 0.5));
    EXPECT_DOUBLE_EQ(readOnly->getMouseRate(), 0.5);
    readOnly->setDeviceConfig("Lark B", CFG_LarkB);
  }
  EXPECT_EQ(bytesOf(folder + "/Lark A_config.ini"), kHostile);
  ASSERT_EQ(held.told.size(), 1);
  EXPECT_EQ(held.told[0], qMakePair(folder + "/Lark A_config.ini", true));
}

TEST_F(DamagedSettingsTest, TheLanguageFileIsCheckedAndNeverReadWhenItCannotBeMoved) {
  const QString folder = testenv::homeDir() + "/.config/Varnex";
  QDir().mkpath(folder);
  TmpfsMount mount(folder);
  if (!mount.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  putFile(folder + "/varnexDriver.conf", "[General]\nLanguage=English\nx=" + kHostile.mid(kHostile.indexOf("@Variant")));
  ASSERT_TRUE(mount.makeReadOnly());
  ConfigFile fresh(testenv::freshDir("config"));
  EXPECT_EQ(fresh.getLanguage(), "");
  EXPECT_EQ(fresh.getLanguage(), "");
  fresh.setLanguage("Deutsch");
  EXPECT_EQ(fresh.getLanguage(), "Deutsch") << "the choice holds for this run";
}

// Only regular files are opened: a FIFO would stop the start until someone
// writes to it, and a link to /dev/zero would be read until memory ran out.
TEST_F(DamagedSettingsTest, OnlyRegularFilesAreOpenedAndNothingWaits) {
  const QString modelFile = dir + "/Lark A_config.ini";
  QElapsedTimer timer;
  timer.start();
  ASSERT_EQ(mkfifo(QFile::encodeName(modelFile).constData(), 0600), 0);
  store->setDeviceConfig("Lark A", CFG_LarkA);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5);
  EXPECT_TRUE(QFileInfo(modelFile + ".damaged").exists() || QFileInfo(modelFile + ".damaged").isSymLink());

  ASSERT_TRUE(QFile::link("/dev/zero", dir + "/Lark B_config.ini"));
  store->setDeviceConfig("Lark B", CFG_LarkB);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.5);
  store->setMouseRate(0.25);
  EXPECT_DOUBLE_EQ(store->getMouseRate(), 0.25);

  const QString languageFile = testenv::homeDir() + "/.config/Varnex/varnexDriver.conf";
  QDir().mkpath(QFileInfo(languageFile).path());
  QFile::remove(languageFile);
  ASSERT_EQ(mkfifo(QFile::encodeName(languageFile).constData(), 0600), 0);
  ConfigFile fresh(testenv::freshDir("config"));
  EXPECT_EQ(fresh.getLanguage(), "");
  QFile::remove(languageFile + ".damaged");
  EXPECT_LT(timer.elapsed(), 5000);
}

// On a full disk QSettings keeps an unwritten change in its cache, where it
// looks saved until the restart loses it. The store says so once and keeps
// the file as it was.
TEST_F(DamagedSettingsTest, AWriteThatFailsIsToldOnceAndLeavesTheFileAsItWas) {
  const QString folder = testenv::freshDir("small-disk");
  TmpfsMount mount(folder, "64k");
  if (!mount.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  ConfigFile small(folder);
  HeldFiles held(small);
  small.setDeviceConfig("Lark A", CFG_LarkA);
  small.setMouseRate(0.25);
  const QString modelFile = folder + "/Lark A_config.ini";
  const QByteArray saved = bytesOf(modelFile);
  ASSERT_TRUE(saved.contains("MouseRate=0.25"));
  {
    QFile filler(folder + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
    }
  }
  EXPECT_TRUE(held.told.isEmpty());

  small.setSkinIndex(3);
  ASSERT_EQ(held.told.size(), 1);
  EXPECT_EQ(held.told[0], qMakePair(modelFile, false));
  EXPECT_EQ(small.getSkinIndex(), 3) << "in effect for this run";
  EXPECT_DOUBLE_EQ(small.getMouseRate(), 0.25) << "what was saved before still holds";
  small.setWinLnk(false);
  small.addProgramList("/usr/bin/krita");
  EXPECT_FALSE(small.getWinLnk());
  EXPECT_EQ(small.getProgramList().size(), 1);
  EXPECT_EQ(held.told.size(), 1) << "said once";
  EXPECT_EQ(bytesOf(modelFile), saved);
}
