// The profile watcher's loop over a simulated desktop front: what it reports
// as programs come forward, and how it stops and starts again.

#include "tests/app/ForegroundSignalLog.h"

#include "driver/app/ProcessInfo.h"
#include "driver/core/ConfigFile.h"
#include "platform/session/ForegroundWatcher.h"
#include "platform/session/sim/SimForeground.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

using platform::SimForeground;

namespace {

class ProcessInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store = std::make_unique<ConfigFile>(testenv::freshDir("processinfo"));
    SimForeground::install(desktop);
    info = std::make_unique<ProcessInfo>(QStringList(), store.get());
    info->setPollInterval(2);
    log = std::make_unique<ForegroundSignalLog>(*info);
  }
  void TearDown() override {
    info.reset();
    platform::ForegroundWatcher::installFactory(nullptr);
  }

  QStringList after() { return log->afterNextPolls(*desktop); }

  std::shared_ptr<SimForeground> desktop = std::make_shared<SimForeground>();
  std::unique_ptr<ConfigFile> store;
  std::unique_ptr<ProcessInfo> info;
  std::unique_ptr<ForegroundSignalLog> log;
};

TEST_F(ProcessInfoTest, ReportsEachProgramThatComesToTheFront) {
  store->addProgramList("/opt/krita/bin/krita");
  store->addProgramList("/usr/local/bin/krita");
  store->addProgramList("/home/u/.wine/drive_c/Program Files/SAI/sai2.exe");
  info->start();

  const quint64 krita = desktop->bringToFront("/usr/bin/krita");
  EXPECT_EQ(after(), QStringList({"name krita", "index 0"})) << "the first of two listed kritas wins";
  EXPECT_EQ(after(), QStringList()) << "the same window again is no change";

  desktop->bringToFront("/usr/bin/VarnexDriver");
  EXPECT_EQ(after(), QStringList({"name VarnexDriver"})) << "the driver's own window keeps the group behind it";
  desktop->activate(krita);
  EXPECT_EQ(after(), QStringList({"name krita", "index 0"}));

  desktop->bringToFront("/usr/bin/Krita");
  EXPECT_EQ(after(), QStringList({"name Krita", "index -1"})) << "names are told apart by case";
  desktop->bringToFront("sai2.exe");
  EXPECT_EQ(after(), QStringList({"name sai2", "index 2"}));

  desktop->bringToFront("");
  EXPECT_EQ(after(), QStringList()) << "a process that may not be read is no change";
  desktop->clear();
  EXPECT_EQ(after(), QStringList()) << "no window in front is no change";
  desktop->activate(krita);
  EXPECT_EQ(after(), QStringList({"name krita", "index 0"}));
}

// A group made for the Flatpak of Krita is that program's; a krita
// installed otherwise keeps to its own group.
TEST_F(ProcessInfoTest, AFlatpakProgramHasAGroupOfItsOwn) {
  store->addProgramList("/usr/bin/krita");
  store->addProgramList("flatpak:org.kde.krita");
  info->start();
  desktop->bringToFront("flatpak:org.kde.krita");
  EXPECT_EQ(after(), QStringList({"name flatpak:org.kde.krita", "index 1"}));
  desktop->bringToFront("/usr/bin/krita");
  EXPECT_EQ(after(), QStringList({"name krita", "index 0"}));
  desktop->bringToFront("flatpak:org.gimp.GIMP");
  EXPECT_EQ(after(), QStringList({"name flatpak:org.gimp.GIMP", "index -1"}));
}

TEST_F(ProcessInfoTest, FollowsTheProgramListAsTheWindowChangesIt) {
  info->start();
  desktop->bringToFront("/usr/bin/gimp-2.10");
  EXPECT_EQ(after(), QStringList({"name gimp-2", "index -1"}));
  store->addProgramList("/usr/bin/krita");
  store->addProgramList("/usr/bin/gimp-2.10");
  desktop->bringToFront("/usr/bin/gimp-2.10");
  EXPECT_EQ(after(), QStringList({"name gimp-2", "index 1"}));
}

TEST_F(ProcessInfoTest, ARestartReportsOnlyAWindowThatCameForwardSince) {
  info->start();
  desktop->bringToFront("/usr/bin/krita");
  EXPECT_EQ(after(), QStringList({"name krita", "index -1"}));

  // Unplugged and plugged back at once: the loop that was asked to stop is
  // replaced by a running one, which keeps the window it last saw.
  info->requestInterruption();
  info->start();
  EXPECT_EQ(after(), QStringList());
  EXPECT_TRUE(info->isRunning());
  desktop->bringToFront("/usr/bin/inkscape");
  EXPECT_EQ(after(), QStringList({"name inkscape", "index -1"}));

  info->requestInterruption();
  EXPECT_TRUE(info->wait(5000));
  const int pollsWhenStopped = desktop->polls();
  desktop->bringToFront("/usr/bin/krita");
  QTest::qWait(20);
  EXPECT_EQ(desktop->polls(), pollsWhenStopped);
  info->start();
  EXPECT_EQ(after(), QStringList({"name krita", "index -1"}));
}

TEST_F(ProcessInfoTest, ScriptedDesktopPlaysItsProgramsInTurn) {
  desktop->playInTurn({"/usr/bin/krita", "/usr/bin/gimp"}, 1);
  store->addProgramList("/usr/bin/gimp");
  info->start();
  QStringList seen;
  for (int round = 0; round < 100 && seen.size() < 8; ++round) seen << after();
  EXPECT_TRUE(seen.join(',').contains("name krita,index -1,name gimp,index 0,name krita,index -1"))
      << seen.join(',').toStdString();
}

}  // namespace
