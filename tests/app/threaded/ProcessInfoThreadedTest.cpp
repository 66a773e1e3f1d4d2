// The program list changes on the GUI thread while the profile watcher reads
// it once a poll; under ThreadSanitizer this shows both sides take the
// store's lock and that the watcher's stop and restart are clean.

#include "tests/app/ForegroundSignalLog.h"

#include "driver/app/ProcessInfo.h"
#include "driver/core/ConfigFile.h"
#include "platform/session/ForegroundWatcher.h"
#include "platform/session/sim/SimForeground.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

using platform::SimForeground;

TEST(ProcessInfoThreadedTest, ProgramListChangesWhileTheWatcherReadsIt) {
  ConfigFile store(testenv::freshDir("processinfo-threaded"));
  auto desktop = std::make_shared<SimForeground>();
  SimForeground::install(desktop);
  desktop->playInTurn({"/usr/bin/krita", "/usr/bin/gimp", "/usr/bin/inkscape"}, 1);

  int lowest = 0, highest = -1;
  {
    ProcessInfo info(QStringList(), &store);
    info.setPollInterval(1);
    QObject receiver;
    QObject::connect(&info, &ProcessInfo::foregroundWindowAppIndex, &receiver, [&](int index) {
      lowest = qMin(lowest, index);
      highest = qMax(highest, index);
    });
    info.start();
    for (int round = 0; round < 60; ++round) {
      store.addProgramList(round % 2 ? "/usr/bin/krita" : "/usr/bin/gimp");
      if (round % 3 == 2) store.subProgramList(0);
      if (round % 20 == 19) {
        info.requestInterruption();
        info.start();
      }
      QCoreApplication::processEvents();
    }
    const int target = desktop->polls() + 2;
    (void)QTest::qWaitFor([&] { return desktop->polls() >= target; }, 10000);
    QCoreApplication::processEvents();
  }
  platform::ForegroundWatcher::installFactory(nullptr);
  EXPECT_EQ(lowest, -1) << "inkscape is never listed";
  EXPECT_GE(highest, 0);
  EXPECT_LT(highest, 60);
}
