// The driver started where there is no display it can use: a clear line and
// its own exit code, not an abort inside Qt, and the instance free again.

#include "driver/app/DisplayCheck.h"
#include "tests/platform/InputXvfbServer.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

namespace {

// A display number no X server serves here.
QByteArray deadDisplay() {
  for (int number = 90; number < 400; ++number) {
    if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
        !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
      return ":" + QByteArray::number(number);
  }
  return ":399";
}

QProcessEnvironment privateEnvironment(const QString& home) {
  QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
    environment.remove(name);
  environment.insert("HOME", home);
  environment.insert("XDG_DATA_HOME", home + "/data");
  environment.insert("XDG_CONFIG_HOME", home + "/config");
  environment.insert("XDG_CACHE_HOME", home + "/cache");
  environment.insert("XDG_RUNTIME_DIR", home);
  testenv::useWindowSanitizerOptions(environment);
  return environment;
}

// Qt's environment variables restored however a test ends.
class DisplayVariables {
 public:
  DisplayVariables() {
    for (const char* name : kNames) m_saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    for (const char* name : kNames) qunsetenv(name);
  }
  ~DisplayVariables() {
    for (const Saved& saved : m_saved) {
      if (saved.set)
        qputenv(saved.name, saved.value);
      else
        qunsetenv(saved.name);
    }
  }

 private:
  static constexpr const char* kNames[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"};
  struct Saved {
    const char* name;
    QByteArray value;
    bool set;
  };
  std::vector<Saved> m_saved;
};

}  // namespace

TEST(NoDisplay, TheDriverSaysSoExitsWithItsCodeAndLetsGoOfTheInstance) {
  const QString home = testenv::freshDir("nodisplay");
  const QList<QPair<const char*, QByteArray>> cases{
      {"", ""}, {"DISPLAY", deadDisplay()}, {"WAYLAND_DISPLAY", "wayland-nowhere"}, {"XDG_SESSION_TYPE", "wayland"}};
  for (const auto& variable : cases) {
    SCOPED_TRACE(variable.first);
    QProcessEnvironment environment = privateEnvironment(home);
    if (*variable.first) environment.insert(variable.first, QString::fromLatin1(variable.second));
    if (QByteArray(variable.first) == "XDG_SESSION_TYPE") environment.insert("WAYLAND_DISPLAY", "wayland-nowhere");
    QProcess driver;
    driver.setProcessEnvironment(environment);
    driver.start(testenv::binaryDir() + "/driver/VarnexDriver", {"--simulate", "LarkA", "--quit-after", "100"});
    ASSERT_TRUE(driver.waitForFinished(30000));
    EXPECT_EQ(driver.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(driver.exitCode(), DisplayCheck::kNoDisplayExitCode);
    const QByteArray error = driver.readAllStandardError();
    EXPECT_TRUE(error.startsWith("VarnexDriver: no display")) << error.constData();
    EXPECT_EQ(error.count('\n'), 1) << error.constData();
  }
  // The failed starts held the instance for a moment; the next start that
  // has a display is the first again and runs.
  QProcessEnvironment environment = privateEnvironment(home);
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess driver;
  driver.setProcessEnvironment(environment);
  driver.start(testenv::binaryDir() + "/driver/VarnexDriver", {"--simulate", "LarkA", "--quit-after", "300"});
  ASSERT_TRUE(driver.waitForFinished(30000));
  EXPECT_EQ(driver.exitCode(), 0);
  EXPECT_TRUE(QFile::exists(home + "/data/varnex/VarnexDriver/Log")) << "it ran and logged";
}

TEST(NoDisplay, TheDisplayQtWillUseMustAnswer) {
  char program[] = "VarnexDriver";
  char platformOption[] = "-platform";
  char offscreen[] = "offscreen";
  char* withOption[] = {program, platformOption, offscreen, nullptr};
  char* plain[] = {program, nullptr};
  DisplayVariables restored;

  QString why;
  EXPECT_FALSE(DisplayCheck::displayAvailable(1, plain, &why));
  EXPECT_TRUE(why.contains("DISPLAY")) << why.toStdString();
  EXPECT_TRUE(DisplayCheck::displayAvailable(3, withOption));
  qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
  EXPECT_TRUE(DisplayCheck::displayAvailable(1, plain)) << "Qt falls back to the second";
  qunsetenv("QT_QPA_PLATFORM");

  // A name alone is not a display: something must answer behind it.
  qputenv("DISPLAY", deadDisplay());
  EXPECT_FALSE(DisplayCheck::displayAvailable(1, plain, &why));
  EXPECT_TRUE(why.contains(QString::fromLatin1(deadDisplay()))) << why.toStdString();
  // Qt takes xcb unless the session says it is Wayland's.
  qputenv("WAYLAND_DISPLAY", "wayland-nowhere");
  EXPECT_FALSE(DisplayCheck::displayAvailable(1, plain));
  qputenv("XDG_SESSION_TYPE", "wayland");
  EXPECT_FALSE(DisplayCheck::displayAvailable(1, plain, &why));
  EXPECT_TRUE(why.contains("wayland")) << why.toStdString();

  InputXvfbServer server;
  if (!server.running()) GTEST_SKIP() << "no Xvfb here";
  qputenv("DISPLAY", server.display());
  EXPECT_TRUE(DisplayCheck::displayAvailable(1, plain)) << "xcb after a Wayland that is not there";
  qunsetenv("XDG_SESSION_TYPE");
  EXPECT_TRUE(DisplayCheck::displayAvailable(1, plain));
}
