// XTest injection and window raising against a real X server (a private
// Xvfb). A second client grabs keyboard and pointer, so it sees every event
// the injector produces, or acts as the window manager to catch the request
// to activate a window.

#include "InputXvfbServer.h"

#include "platform/input/linux/VirtualKeyMap.h"
#include "platform/input/linux/XTestInputInjector.h"
#include "platform/session/linux/X11WindowRaiser.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <poll.h>
#include <unistd.h>

#include <cstdlib>

#include <string>
#include <vector>

using platform::KeyStroke;
using platform::MouseButton;

namespace {

struct SeenEvent {
  int type;
  unsigned detail;  // keycode or button
  bool operator==(const SeenEvent& other) const { return type == other.type && detail == other.detail; }
};

std::ostream& operator<<(std::ostream& out, const SeenEvent& event) {
  return out << (event.type == KeyPress ? "KeyPress " : event.type == KeyRelease ? "KeyRelease " :
                 event.type == ButtonPress ? "ButtonPress " : "ButtonRelease ")
             << event.detail;
}

class XServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!m_server.running()) GTEST_SKIP() << "Xvfb could not be started";
    m_client = XOpenDisplay(m_server.display().constData());
    ASSERT_NE(m_client, nullptr);
  }
  void TearDown() override {
    if (m_client) XCloseDisplay(m_client);
  }

  Window mapWindow(const char* title, long eventMask) {
    const Window window = XCreateSimpleWindow(m_client, DefaultRootWindow(m_client), 0, 0, 640, 480, 0, 0, 0);
    XStoreName(m_client, window, title);
    XSelectInput(m_client, window, eventMask | StructureNotifyMask);
    XMapWindow(m_client, window);
    XEvent event;
    do XWindowEvent(m_client, window, StructureNotifyMask, &event);
    while (event.type != MapNotify);
    return window;
  }

  // Waits up to two seconds for `count` events of the kinds in `types`.
  std::vector<SeenEvent> collect(size_t count) {
    std::vector<SeenEvent> seen;
    pollfd wait{ConnectionNumber(m_client), POLLIN, 0};
    while (seen.size() < count) {
      while (XPending(m_client) && seen.size() < count) {
        XEvent event;
        XNextEvent(m_client, &event);
        if (event.type == KeyPress || event.type == KeyRelease) seen.push_back({event.type, event.xkey.keycode});
        if (event.type == ButtonPress || event.type == ButtonRelease)
          seen.push_back({event.type, event.xbutton.button});
      }
      if (seen.size() < count && poll(&wait, 1, 2000) <= 0) break;
    }
    return seen;
  }

  unsigned keycode(KeySym keysym) { return XKeysymToKeycode(m_client, keysym); }

  InputXvfbServer m_server;
  Display* m_client = nullptr;
};

}  // namespace

TEST_F(XServerTest, InjectedKeysButtonsAndWheelReachAnotherClient) {
  const Window window = mapWindow("keys", KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask);
  ASSERT_EQ(XGrabKeyboard(m_client, window, False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
  ASSERT_EQ(XGrabPointer(m_client, window, False, ButtonPressMask | ButtonReleaseMask, GrabModeAsync, GrabModeAsync,
                         None, None, CurrentTime),
            GrabSuccess);
  XSync(m_client, False);

  QString error;
  auto injector = platform::XTestInputInjector::create(m_server.display().constData(), &error);
  ASSERT_NE(injector, nullptr) << error.toStdString();
  const KeyStroke shortcut[] = {{0x11, true}, {0xBB, true}, {0x11, false}, {0xBB, false}};
  injector->sendKeys(shortcut, 4);
  const KeyStroke unknown[] = {{0x07, true}};
  injector->sendKeys(unknown, 1);
  injector->sendMouseButton(MouseButton::Right, true);
  injector->sendMouseButton(MouseButton::Right, false);
  injector->sendWheel(-120);
  injector->sendWheel(240);

  const std::vector<SeenEvent> expected = {
      {KeyPress, keycode(XK_Control_L)}, {KeyPress, keycode(XK_equal)}, {KeyRelease, keycode(XK_Control_L)},
      {KeyRelease, keycode(XK_equal)},   {ButtonPress, 3},              {ButtonRelease, 3},
      {ButtonPress, 5},                  {ButtonRelease, 5},            {ButtonPress, 4},
      {ButtonRelease, 4},                {ButtonPress, 4},              {ButtonRelease, 4}};
  EXPECT_EQ(collect(expected.size()), expected);
}

TEST_F(XServerTest, RaisingSendsActivationForTheWindowWithThatTitle) {
  mapWindow("some other window", 0);
  const Window ours = mapWindow("Varnex_tablet_driver", 0);
  // Act as the window manager: activation requests are redirected to us.
  XSelectInput(m_client, DefaultRootWindow(m_client), SubstructureRedirectMask);
  XSync(m_client, False);

  platform::X11WindowRaiser raiser(m_server.display());
  EXPECT_FALSE(raiser.raiseWindow("Varnex_tablet_drive"));
  ASSERT_TRUE(raiser.raiseWindow("Varnex_tablet_driver"));

  const Atom activate = XInternAtom(m_client, "_NET_ACTIVE_WINDOW", False);
  bool activated = false;
  pollfd wait{ConnectionNumber(m_client), POLLIN, 0};
  while (!activated && (XPending(m_client) || poll(&wait, 1, 2000) > 0)) {
    XEvent event;
    XNextEvent(m_client, &event);
    if (event.type == ClientMessage && event.xclient.message_type == activate) {
      EXPECT_EQ(event.xclient.window, ours);
      activated = true;
    }
  }
  EXPECT_TRUE(activated);
}

TEST_F(XServerTest, RaisingByClassFindsTheNativeAndTheWineWindowOfAProgram) {
  auto setClass = [&](Window window, const char* name, const char* windowClass) {
    XClassHint hint{const_cast<char*>(name), const_cast<char*>(windowClass)};
    XSetClassHint(m_client, window, &hint);
    XSync(m_client, False);
  };
  const Window other = mapWindow("Untitled", 0);
  setClass(other, "gimp", "Gimp");
  platform::X11WindowRaiser raiser(m_server.display());
  EXPECT_FALSE(raiser.raiseWindowOfClass("Photoshop"));

  // Wine names both parts after the executable.
  const Window wine = mapWindow("Adobe Photoshop", 0);
  setClass(wine, "photoshop.exe", "photoshop.exe");
  XSelectInput(m_client, DefaultRootWindow(m_client), SubstructureRedirectMask);
  XSync(m_client, False);
  ASSERT_TRUE(raiser.raiseWindowOfClass("Photoshop"));
  const Atom activate = XInternAtom(m_client, "_NET_ACTIVE_WINDOW", False);
  Window activated = None;
  pollfd wait{ConnectionNumber(m_client), POLLIN, 0};
  while (activated == None && (XPending(m_client) || poll(&wait, 1, 2000) > 0)) {
    XEvent event;
    XNextEvent(m_client, &event);
    if (event.type == ClientMessage && event.xclient.message_type == activate) activated = event.xclient.window;
  }
  EXPECT_EQ(activated, wine);
}

TEST_F(XServerTest, EveryVirtualKeyHasAKeycodeOnAPlainUsKeymap) {
  for (const platform::VirtualKeyMapping& entry : platform::virtualKeyMap()) {
    EXPECT_NE(keycode(entry.keysym), 0u) << "virtual key 0x" << std::hex << int(entry.virtualKey);
  }
}

TEST_F(XServerTest, WithoutUinputTheDefaultInjectorUsesTheXDisplayElseNothing) {
  if (access("/dev/uinput", W_OK) == 0) GTEST_SKIP() << "this machine has a writable /dev/uinput";
  const QByteArray saved = qgetenv("DISPLAY");
  qputenv("DISPLAY", m_server.display());
  EXPECT_STREQ(platform::createDefaultInputInjector()->kind(), "xtest");
  qunsetenv("DISPLAY");
  EXPECT_STREQ(platform::createDefaultInputInjector()->kind(), "none");
  if (!saved.isEmpty()) qputenv("DISPLAY", saved);
}
