// The device thread and the profile thread read the store while the window
// writes it; run under ThreadSanitizer.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <atomic>
#include <set>
#include <thread>

using namespace MyQmlEnum;

TEST(ConfigFileThreads, ReadersOnOtherThreadsSeeConsistentValuesWhileTheWindowWrites) {
  const QString dir = testenv::freshDir("config");
  {
    // K40 V2 has its own choices in two groups; Lark B has none, so its
    // default table answers.
    QSettings k40(dir + "/K40 V2_config.ini", QSettings::IniFormat);
    k40.setValue("CommonKey/K1ShortcutkeyEnum", int(ESave));
    k40.setValue("krita/K1ShortcutkeyEnum", int(EUndo));
  }
  ConfigFile store(dir);
  store.setDeviceConfig("K40 V2", CFG_VarnexK40V2);

  std::atomic<bool> done{false};
  std::set<int> unexpected;
  std::atomic<bool> tornList{false};
  std::thread device([&] {
    while (!done.load()) {
      const int function = store.getShortcutkeyEnum(K1);
      if (function != ESave && function != EUndo && function != ECanvasZoomIn) unexpected.insert(function);
      const QString text = store.getDisPlayTextFromMap(K1);
      if (!text.isEmpty() && !text.startsWith("Undo#")) unexpected.insert(-100);
      const QRect tablet = store.getRectSize(MaxVirtualTablet);
      if (tablet.width() != tablet.height() * 2 && tablet != QRect(1, 1, 1, 1)) unexpected.insert(-200);
    }
  });
  std::thread profile([&] {
    while (!done.load()) {
      // The list follows the model's file, so it may shrink at an arrival,
      // but every entry is a whole path.
      const QVariantList programs = store.getCusConfigProgramPathList();
      for (const QVariant& program : programs)
        if (!program.toString().startsWith("/usr/bin/program")) tornList = true;
    }
  });

  for (int i = 0; i < 150; ++i) {
    store.setKeyGroupName(i % 2 ? "krita" : "CommonKey");
    store.setKeyDisPlayTextMap(K1, QStringLiteral("Undo#[Ctrl]+[Z] %1").arg(i));
    store.setRectSize(MaxVirtualTablet, QRect(0, 0, 2 * (i + 1), i + 1));
    if (i % 10 == 0) store.setDeviceConfig(i % 20 ? "Lark B" : "K40 V2", i % 20 ? CFG_LarkB : CFG_VarnexK40V2);
    if (i % 20 == 0) store.addProgramList(QStringLiteral("/usr/bin/program%1").arg(i));
    store.setComboxIndex(K2, i);
  }
  done = true;
  device.join();
  profile.join();

  EXPECT_TRUE(unexpected.empty()) << *unexpected.begin();
  EXPECT_FALSE(tornList.load());
  EXPECT_EQ(store.getComboxIndex(K2), 149);
}

// A file held in memory is reached from every thread: the device thread
// steps the dial (a write) while the window switches between a held model
// and a sound one.
TEST(ConfigFileThreads, AFileHeldInMemoryServesEveryThreadAndIsNeverWritten) {
  const QString dir = testenv::freshDir("config");
  const QString large = dir + "/Lark B_config.ini";
  {
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5 * 1024 * 1024, ';'));
  }
  ConfigFile store(dir);
  store.setDeviceConfig("Lark B", CFG_LarkB);

  std::atomic<bool> done{false};
  std::atomic<bool> outsideTheRing{false};
  std::thread device([&] {
    while (!done.load()) {
      store.switchSwivelKey();
      const int key = store.getCurrentSwivelKey();
      if (key < R1 || key > R6) outsideTheRing = true;
    }
  });
  for (int i = 0; i < 40; ++i) {
    store.setDeviceConfig(i % 2 ? "Lark A" : "Lark B", i % 2 ? CFG_LarkA : CFG_LarkB);
    store.setMouseRate(0.01 * i);
  }
  done = true;
  device.join();

  EXPECT_FALSE(outsideTheRing.load());
  EXPECT_EQ(QFileInfo(large).size(), 5 * 1024 * 1024);
  EXPECT_EQ(store.heldSettingsFiles().size(), 1);
}
