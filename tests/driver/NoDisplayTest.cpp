// The driver started where there is no display: a clear line and its own exit
// code, not an abort inside Qt.

#include "driver/app/DisplayCheck.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QProcess>

TEST(NoDisplay, TheDriverSaysSoAndExitsWithItsCode) {
  QProcess driver;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  driver.setProcessEnvironment(environment);
  driver.start(testenv::binaryDir() + "/driver/VarnexDriver", {"--quit-after", "100"});
  ASSERT_TRUE(driver.waitForFinished(30000));
  EXPECT_EQ(driver.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(driver.exitCode(), DisplayCheck::kNoDisplayExitCode);
  const QByteArray error = driver.readAllStandardError();
  EXPECT_TRUE(error.startsWith("VarnexDriver: no display")) << error.constData();
  EXPECT_EQ(error.count('\n'), 1);
}

TEST(NoDisplay, APlatformThatNeedsNoDisplayIsEnough) {
  char program[] = "VarnexDriver";
  char platformOption[] = "-platform";
  char offscreen[] = "offscreen";
  char* withOption[] = {program, platformOption, offscreen, nullptr};
  char* plain[] = {program, nullptr};

  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  qunsetenv("QT_QPA_PLATFORM");
  EXPECT_FALSE(DisplayCheck::displayAvailable(1, plain));
  EXPECT_TRUE(DisplayCheck::displayAvailable(3, withOption));
  qputenv("QT_QPA_PLATFORM", "xcb");
  EXPECT_FALSE(DisplayCheck::displayAvailable(1, plain));
  qputenv("QT_QPA_PLATFORM", "wayland;offscreen");
  EXPECT_TRUE(DisplayCheck::displayAvailable(1, plain));
  qputenv("QT_QPA_PLATFORM", "xcb");
  qputenv("WAYLAND_DISPLAY", "wayland-0");
  EXPECT_TRUE(DisplayCheck::displayAvailable(1, plain));
  qunsetenv("WAYLAND_DISPLAY");
  qputenv("DISPLAY", ":0");
  EXPECT_TRUE(DisplayCheck::displayAvailable(1, plain));
  qputenv("DISPLAY", display);
  qputenv("WAYLAND_DISPLAY", wayland);
  qputenv("QT_QPA_PLATFORM", platform);
}
