// The KWin foreground watcher against a stand-in KWin on a private D-Bus:
// the stand-in takes the script over the scripting interface and runs it in
// a JavaScript engine with a small workspace, as KWin would, so the script's
// text is exercised along with the D-Bus plumbing both ways.

#include "SpawnedProgram.h"

#include "platform/session/linux/KWinForegroundWatcher.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QJSEngine>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using platform::KWinForegroundWatcher;

namespace {

// callDBus() of KWin's scripts, as an object the engine can call.
class ScriptBridge : public QObject {
  Q_OBJECT
 public:
  ScriptBridge(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(std::move(bus)) {}
  Q_INVOKABLE void call(const QVariantList& arguments) {
    if (arguments.size() < 4) return;
    QDBusMessage message = QDBusMessage::createMethodCall(arguments[0].toString(), arguments[1].toString(),
                                                          arguments[2].toString(), arguments[3].toString());
    message.setArguments(arguments.mid(4));
    m_bus.asyncCall(message);
  }

 private:
  QDBusConnection m_bus;
};

// The scripting interface of KWin, and one script's run().
class FakeKWin : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
 public:
  // The bridge and the engine are children, so they move to KWin's thread
  // with it and the engine never deletes the bridge.
  explicit FakeKWin(QDBusConnection bus) : m_bridge(bus, this), m_engine(this) {
    QQmlEngine::setObjectOwnership(&m_bridge, QQmlEngine::CppOwnership);
  }

  QStringList loadedPlugins;
  QStringList unloadedPlugins;

 public slots:
  int loadScript(const QString& path, const QString& pluginName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    m_script = QString::fromUtf8(file.readAll());
    loadedPlugins << pluginName;
    return 7;
  }
  bool unloadScript(const QString& pluginName) {
    unloadedPlugins << pluginName;
    return true;
  }
  // KWin 6's org.kde.kwin.Script.run() of script 7, reached through the
  // second object.
  void runScript() {
    m_engine.globalObject().setProperty("bridge", m_engine.newQObject(&m_bridge));
    m_engine.evaluate(
        "var workspace = { activeWindow: null, windowActivated: { handlers: [],"
        "  connect: function (f) { this.handlers.push(f); } } };"
        "function callDBus() { bridge.call(Array.prototype.slice.call(arguments)); }");
    const QJSValue result = m_engine.evaluate(m_script);
    if (result.isError()) qWarning() << "script failed:" << result.toString();
  }
  // What KWin does when the user clicks another window.
  void activate(int pid, const QString& uuid) {
    m_engine.evaluate(QStringLiteral("workspace.activeWindow = { pid: %1, internalId: '%2' };"
                                     "workspace.windowActivated.handlers.forEach(function (f) {"
                                     "  f(workspace.activeWindow); });")
                          .arg(pid)
                          .arg(uuid));
  }

 private:
  ScriptBridge m_bridge;
  QJSEngine m_engine;
  QString m_script;
};

class FakeKWinScript : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Script")
 public:
  explicit FakeKWinScript(FakeKWin* kwin) : m_kwin(kwin) {}
 public slots:
  void run() { m_kwin->runScript(); }

 private:
  FakeKWin* m_kwin;
};

class ForegroundKWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (m_bus.address().isEmpty()) GTEST_SKIP() << "no dbus-daemon";
  }
  void TearDown() override {
    stopKWin();
    QDBusConnection::disconnectFromBus("kwin");
    QDBusConnection::disconnectFromBus("driver");
  }

  QDBusConnection driverBus() { return QDBusConnection::connectToBus(m_bus.address(), "driver"); }

  // KWin runs on a thread of its own, as it is a process of its own: the
  // watcher's calls to it block until it answers.
  void startKWin() {
    QDBusConnection bus = QDBusConnection::connectToBus(m_bus.address(), "kwin");
    ASSERT_TRUE(bus.isConnected());
    m_kwin = new FakeKWin(bus);
    m_script = new FakeKWinScript(m_kwin);
    m_kwin->moveToThread(&m_kwinThread);
    m_script->moveToThread(&m_kwinThread);
    m_kwinThread.start();
    ASSERT_TRUE(bus.registerObject("/Scripting", m_kwin, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerObject("/Scripting/Script7", m_script, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService("org.kde.KWin"));
  }
  void stopKWin() {
    if (!m_kwin) return;
    m_kwinThread.quit();
    m_kwinThread.wait();
    delete m_script;
    delete m_kwin;
    m_kwin = nullptr;
  }
  void activate(int pid, const QString& uuid) {
    QMetaObject::invokeMethod(
        m_kwin, [=] { m_kwin->activate(pid, uuid); }, Qt::BlockingQueuedConnection);
  }
  quint64 waitForWindowChange(KWinForegroundWatcher& watcher, quint64 from) {
    quint64 now = from;
    (void)QTest::qWaitFor([&] { return (now = watcher.activeWindow()) != from; }, 5000);
    return now;
  }

  PrivateBus m_bus;
  QThread m_kwinThread;
  FakeKWin* m_kwin = nullptr;
  FakeKWinScript* m_script = nullptr;
};

TEST_F(ForegroundKWinTest, FollowsTheWindowsKWinActivates) {
  startKWin();
  QTemporaryDir programs;
  SpawnedProgram krita(programs.path() + "/krita", "krita");
  SpawnedProgram sai(programs.path() + "/wine64-preloader", "C:\\SAI\\sai2.exe");
  ASSERT_TRUE(krita.running() && sai.running());

  QStringList plugins;
  {
    ASSERT_TRUE(KWinForegroundWatcher::kwinPresent(driverBus()));
    KWinForegroundWatcher watcher(driverBus());
    ASSERT_TRUE(watcher.isWatching());
    EXPECT_EQ(watcher.activeWindow(), 0u);

    activate(int(krita.pid()), "{0001}");
    const quint64 first = waitForWindowChange(watcher, 0);
    ASSERT_NE(first, 0u);
    EXPECT_EQ(watcher.programOf(first), programs.path() + "/krita");

    activate(int(sai.pid()), "{0002}");
    const quint64 second = waitForWindowChange(watcher, first);
    EXPECT_EQ(watcher.programOf(second), "sai2.exe");
    EXPECT_EQ(watcher.programOf(first), "") << "a window no longer in front";

    activate(int(krita.pid()), "{0002}");  // the same window again
    QTest::qWait(50);
    EXPECT_EQ(watcher.activeWindow(), second);
    activate(int(krita.pid()), "{0001}");
    EXPECT_NE(waitForWindowChange(watcher, second), second);
    QMetaObject::invokeMethod(
        m_kwin, [&] { plugins = m_kwin->loadedPlugins; }, Qt::BlockingQueuedConnection);
  }
  QStringList unloaded;
  QMetaObject::invokeMethod(
      m_kwin, [&] { unloaded = m_kwin->unloadedPlugins; }, Qt::BlockingQueuedConnection);
  EXPECT_EQ(unloaded, plugins) << "the script goes with the watcher";
}

// Each arrival starts the foreground loop with a new watcher, and the loop
// keeps the last window number it acted on: a new watcher must not give
// another window that number, or the loop takes it for the same window and
// never switches the key group.
TEST_F(ForegroundKWinTest, ANewWatcherNeverReusesTheNumberOfAnotherWindow) {
  startKWin();
  QTemporaryDir programs;
  SpawnedProgram krita(programs.path() + "/krita", "krita");
  ASSERT_TRUE(krita.running());
  quint64 last = 0;
  {
    KWinForegroundWatcher watcher(driverBus());
    ASSERT_TRUE(watcher.isWatching());
    activate(int(krita.pid()), "{000A}");
    const quint64 first = waitForWindowChange(watcher, 0);
    activate(int(krita.pid()), "{000B}");
    last = waitForWindowChange(watcher, first);
    ASSERT_NE(last, first);
  }
  KWinForegroundWatcher watcher(driverBus());
  ASSERT_TRUE(watcher.isWatching());
  // The window still in front, as the new script finds it, keeps its
  // number: nothing new to report.
  activate(int(krita.pid()), "{000B}");
  EXPECT_EQ(waitForWindowChange(watcher, 0), last);
  activate(int(krita.pid()), "{000C}");
  const quint64 next = waitForWindowChange(watcher, last);
  EXPECT_NE(next, last);
  EXPECT_NE(next, 0u);
}

TEST_F(ForegroundKWinTest, WithoutKWinThereIsNothingToWatch) {
  EXPECT_FALSE(KWinForegroundWatcher::kwinPresent(driverBus()));
  KWinForegroundWatcher watcher(driverBus());
  EXPECT_FALSE(watcher.isWatching());
  EXPECT_EQ(watcher.activeWindow(), 0u);
}

}  // namespace

#include "ForegroundKWinTest.moc"
