// The driver with its settings window on a private X server: the window
// shows at start unless asked to stay hidden, and a second start brings the
// running driver's window forward instead of starting another driver.

#include "tests/platform/InputXvfbServer.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
// Xlib's type macros would rename the types moc writes out.
#undef Bool
#undef Status

namespace {

const char* const kWindowTitle = "Varnex_tablet_driver";

// Whether a viewable window of that title is on the server (a reparenting
// window manager is not running here, so the top levels are enough; one
// level below covers an embedding root).
bool titledWindowViewable(Display* display, Window parent, int depth) {
  Window root = 0, parentReturn = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root, &parentReturn, &children, &count)) return false;
  bool found = false;
  for (unsigned int i = 0; i < count && !found; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name) {
      XWindowAttributes attributes;
      found = qstrcmp(name, kWindowTitle) == 0 && XGetWindowAttributes(display, children[i], &attributes) &&
              attributes.map_state == IsViewable;
      XFree(name);
    }
    if (!found && depth > 1) found = titledWindowViewable(display, children[i], depth - 1);
  }
  if (children) XFree(children);
  return found;
}

class WindowProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_server.running()) << "Xvfb did not start";
    m_display = XOpenDisplay(m_server.display().constData());
    ASSERT_NE(m_display, nullptr);
    m_home = testenv::freshDir("window");
    QFile::setPermissions(m_home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  void TearDown() override {
    for (QProcess* driver : {&m_first, &m_second}) {
      if (driver->state() == QProcess::NotRunning) continue;
      driver->terminate();
      if (!driver->waitForFinished(10000)) driver->kill();
      driver->waitForFinished();
    }
    if (m_display) XCloseDisplay(m_display);
  }

  void start(QProcess& driver, const QStringList& arguments, const QString& sessionBus = QString()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Only the bus a test gives: a desktop's own session bus may have a tray
    // host that would take the icon from the test's tray.
    if (sessionBus.isEmpty()) {
      environment.remove("DBUS_SESSION_BUS_ADDRESS");
    } else {
      environment.insert("DBUS_SESSION_BUS_ADDRESS", sessionBus);
    }
    environment.insert("HOME", m_home);
    environment.insert("XDG_DATA_HOME", m_home + "/data");
    environment.insert("XDG_CONFIG_HOME", m_home + "/config");
    environment.insert("XDG_CACHE_HOME", m_home + "/cache");
    environment.insert("XDG_RUNTIME_DIR", m_home);
    environment.insert("DISPLAY", QString::fromLatin1(m_server.display()));
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    testenv::useWindowSanitizerOptions(environment);
    driver.setProcessEnvironment(environment);
    driver.start(testenv::binaryDir() + "/driver/VarnexDriver", arguments);
    ASSERT_TRUE(driver.waitForStarted());
  }

  QString log() const {
    const QDir logDir(m_home + "/data/varnex/VarnexDriver/Log");
    QString text;
    for (const QString& page : logDir.entryList({"*.html"}, QDir::Files, QDir::Name)) {
      QFile file(logDir.filePath(page));
      if (file.open(QIODevice::ReadOnly)) text += QString::fromUtf8(file.readAll());
    }
    return text;
  }

  template <typename Done>
  bool waitFor(Done done, int timeoutMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > timeoutMs) return false;
      // Stand-ins of desktop services in this process answer meanwhile.
      QCoreApplication::processEvents();
      QThread::msleep(20);
    }
    return true;
  }

  bool windowViewable() { return titledWindowViewable(m_display, DefaultRootWindow(m_display), 2); }

  // The driver got as far as waiting for events, with or without a tablet.
  bool started() { return log().contains("hand-over point published"); }

  // A build without the settings window's resources runs without a window.
  bool windowBuiltIn() { return !log().contains("is not in the resources"); }

  InputXvfbServer m_server;
  Display* m_display = nullptr;
  QString m_home;
  QProcess m_first;
  QProcess m_second;
};

}  // namespace

TEST_F(WindowProgram, TheWindowShowsAtStartAndTheSimulatedTabletIsThere) {
  start(m_first, {"--simulate", "LarkA"});
  ASSERT_TRUE(waitFor([&] { return started(); })) << log().toStdString();
  if (!windowBuiltIn()) GTEST_SKIP() << "this build has no settings window";
  ASSERT_TRUE(waitFor([&] { return windowViewable(); })) << log().toStdString();
  EXPECT_TRUE(log().contains("isDevArrival: true")) << log().toStdString();
  EXPECT_FALSE(log().contains("is not in the resources")) << log().toStdString();
  EXPECT_FALSE(log().contains("failed to load")) << log().toStdString();
}

TEST_F(WindowProgram, ASecondStartEndsAtOnceAndShowsTheFirstsHiddenWindow) {
  // No tablet (the real platform, and none is plugged in here): nothing
  // shows the window but the hand-over.
  start(m_first, {"--hidden"});
  ASSERT_TRUE(waitFor([&] { return started(); })) << log().toStdString();
  EXPECT_FALSE(windowViewable());

  start(m_second, {});
  ASSERT_TRUE(m_second.waitForFinished(20000));
  EXPECT_EQ(m_second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(m_second.exitCode(), 0);
  if (windowBuiltIn()) {
    EXPECT_TRUE(waitFor([&] { return windowViewable(); })) << log().toStdString();
  }
  // Only the first wrote a start line.
  EXPECT_EQ(log().count("================progress start================"), 1);

  // Once the first has ended, a new start is the first again.
  m_first.terminate();
  ASSERT_TRUE(m_first.waitForFinished(20000));
  EXPECT_EQ(m_first.exitCode(), 0);
  start(m_second, {"--hidden"});
  EXPECT_TRUE(waitFor([&] { return started(); }));
  EXPECT_EQ(m_second.state(), QProcess::Running);
}

// The session's autostart starts the driver hidden with the tablet already
// plugged in: the artist logs in to a tray icon, not to the settings window.
TEST_F(WindowProgram, StartedHiddenItStaysInTheTrayWithTheTabletFoundAtStart) {
  start(m_first, {"--hidden", "--simulate", "LarkA"});
  ASSERT_TRUE(waitFor([&] { return started() && log().contains("isDevArrival: true"); })) << log().toStdString();
  if (!windowBuiltIn()) GTEST_SKIP() << "this build has no settings window";
  EXPECT_FALSE(waitFor([&] { return windowViewable(); }, 1500)) << log().toStdString();
}

namespace {

// A system tray as desktops with an XEmbed tray have one: it owns the tray
// selection, announces itself, and docks the icons that ask it to, showing
// them at its corner of the screen.
class XEmbedTray {
 public:
  explicit XEmbedTray(Display* display)
      : m_display(display),
        m_selection(XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False)),
        m_opcode(XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False)) {
    const Window root = DefaultRootWindow(display);
    m_tray = XCreateSimpleWindow(display, root, 600, 0, 40, 40, 0, 0, 0);
    XMapWindow(display, m_tray);
    XSetSelectionOwner(display, m_selection, m_tray, CurrentTime);
    XEvent manager{};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = root;
    manager.xclient.message_type = XInternAtom(display, "MANAGER", False);
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = CurrentTime;
    manager.xclient.data.l[1] = long(m_selection);
    manager.xclient.data.l[2] = long(m_tray);
    XSendEvent(display, root, False, StructureNotifyMask, &manager);
    XFlush(display);
  }

  // The icon window of the first dock request, or 0 when none came.
  Window nextDockedIcon() {
    while (XPending(m_display)) {
      XEvent event;
      XNextEvent(m_display, &event);
      const bool dockRequest = event.type == ClientMessage && event.xclient.message_type == m_opcode &&
                               event.xclient.data.l[1] == 0;  // SYSTEM_TRAY_REQUEST_DOCK
      if (!dockRequest) continue;
      const Window icon = Window(event.xclient.data.l[2]);
      XReparentWindow(m_display, icon, m_tray, 0, 0);
      XMapWindow(m_display, icon);
      XSync(m_display, False);
      return icon;
    }
    return 0;
  }

  // Clicks the icon with the first button, as the user does.
  void click(Window icon) {
    XWindowAttributes attributes;
    XGetWindowAttributes(m_display, icon, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, icon, DefaultRootWindow(m_display), attributes.width / 2,
                          attributes.height / 2, &x, &y, &child);
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, 20);
    XSync(m_display, False);
  }

 private:
  Display* m_display;
  Atom m_selection;
  Atom m_opcode;
  Window m_tray = 0;
};

}  // namespace

// Started hidden on a desktop with a tray, the driver docks its icon there,
// and clicking the icon brings the settings window up.
TEST_F(WindowProgram, TheTrayIconDocksAndAClickOnItShowsTheWindow) {
  XEmbedTray tray(m_display);
  start(m_first, {"--hidden", "--simulate", "LarkA"});
  ASSERT_TRUE(waitFor([&] { return started(); })) << log().toStdString();
  if (!windowBuiltIn()) GTEST_SKIP() << "this build has no settings window";
  Window icon = 0;
  ASSERT_TRUE(waitFor([&] { return (icon = tray.nextDockedIcon()) != 0; })) << log().toStdString();
  EXPECT_FALSE(windowViewable());
  // The icon may still be settling into the tray; click until the window
  // answers (a click on a shown window changes nothing).
  EXPECT_TRUE(waitFor([&] {
    tray.click(icon);
    return waitFor([&] { return windowViewable(); }, 300);
  })) << log().toStdString();
}

namespace {

// The tray of desktops that show StatusNotifier icons (Plasma, GNOME with the
// AppIndicator extension, most panels of today): a watcher on the session bus
// says a host is there and takes the items' registrations.
class StatusNotifierWatcher : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
  Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isStatusNotifierHostRegistered)
  Q_PROPERTY(int ProtocolVersion READ protocolVersion)
  Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredStatusNotifierItems)

 public:
  bool isStatusNotifierHostRegistered() const { return true; }
  int protocolVersion() const { return 0; }
  QStringList registeredStatusNotifierItems() const { return m_items; }

 public slots:
  void RegisterStatusNotifierItem(const QString& service) { m_items << service; }
  void RegisterStatusNotifierHost(const QString&) {}

 signals:
  void StatusNotifierItemRegistered(const QString& service);

 private:
  QStringList m_items;
};

}  // namespace

// On such a desktop the driver's icon registers with the watcher, and the
// host activating it (the user's click) brings the settings window up.
TEST_F(WindowProgram, TheStatusNotifierIconRegistersAndActivatingItShowsTheWindow) {
  PrivateBus bus;
  if (bus.address().isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
  StatusNotifierWatcher watcher;
  // The host's connection is named; it must not outlive this test's bus.
  struct Disconnect {
    ~Disconnect() { QDBusConnection::disconnectFromBus("tray-host"); }
  } disconnectAtEnd;
  QDBusConnection host = QDBusConnection::connectToBus(bus.address(), "tray-host");
  ASSERT_TRUE(host.registerObject("/StatusNotifierWatcher", &watcher,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties |
                                      QDBusConnection::ExportAllSignals));
  ASSERT_TRUE(host.registerService("org.kde.StatusNotifierWatcher"));
  start(m_first, {"--hidden", "--simulate", "LarkA"}, bus.address());
  ASSERT_TRUE(waitFor([&] { return started(); })) << log().toStdString();
  if (!windowBuiltIn()) GTEST_SKIP() << "this build has no settings window";
  ASSERT_TRUE(waitFor([&] { return !watcher.registeredStatusNotifierItems().isEmpty(); }))
      << "the tray icon never registered" << log().toStdString();
  EXPECT_FALSE(windowViewable());

  QDBusMessage activate =
      QDBusMessage::createMethodCall(watcher.registeredStatusNotifierItems().first(), "/StatusNotifierItem",
                                     "org.kde.StatusNotifierItem", "Activate");
  activate << 10 << 10;
  host.asyncCall(activate);
  EXPECT_TRUE(waitFor([&] { return windowViewable(); })) << log().toStdString();
}

#include "WindowProgramTest.moc"
