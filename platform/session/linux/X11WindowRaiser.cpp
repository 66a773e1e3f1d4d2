#include "platform/session/linux/X11WindowRaiser.h"

#include <QLoggingCategory>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <vector>

Q_LOGGING_CATEGORY(lcWindowRaiser, "varnex.session")

namespace platform {

namespace {

// The source indication of a pager: window managers honour it over their
// focus-stealing prevention, which a request from a background driver needs.
constexpr long kSourcePager = 2;

QString windowTitle(Display* display, Window window) {
  const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  QString title;
  if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
          Success &&
      data && type == utf8 && format == 8) {
    title = QString::fromUtf8(reinterpret_cast<const char*>(data), int(count));
  }
  if (data) XFree(data);
  if (!title.isEmpty()) return title;
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name) {
    title = QString::fromLocal8Bit(name);
    XFree(name);
  }
  return title;
}

std::vector<Window> managedClients(Display* display, Window root) {
  std::vector<Window> clients;
  const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, root, clientList, 0, 4096, False, XA_WINDOW, &type, &format, &count, &after,
                         &data) == Success &&
      data && type == XA_WINDOW && format == 32) {
    const Window* windows = reinterpret_cast<const Window*>(data);
    clients.assign(windows, windows + count);
  }
  if (data) XFree(data);
  return clients;
}

// Wine names a program's windows after its executable ("photoshop.exe") in
// both parts of WM_CLASS; native programs use their own class name.
bool hasWindowClass(Display* display, Window window, const QString& windowClass) {
  XClassHint hint{};
  if (!XGetClassHint(display, window, &hint)) return false;
  const QString wineName = windowClass + QLatin1String(".exe");
  bool matches = false;
  for (const char* part : {hint.res_name, hint.res_class}) {
    if (!part) continue;
    const QString name = QString::fromLocal8Bit(part);
    if (name.compare(windowClass, Qt::CaseInsensitive) == 0 || name.compare(wineName, Qt::CaseInsensitive) == 0)
      matches = true;
  }
  if (hint.res_name) XFree(hint.res_name);
  if (hint.res_class) XFree(hint.res_class);
  return matches;
}

// Without a window manager the client list is missing: walk the tree a few
// levels deep (reparenting managers put clients inside frames).
template <typename Matches>
Window searchTree(Display* display, Window parent, const Matches& matches, int depth) {
  Window rootReturn = 0, parentReturn = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &rootReturn, &parentReturn, &children, &count)) return None;
  Window found = None;
  for (unsigned int i = 0; i < count && found == None; ++i) {
    if (matches(children[i])) found = children[i];
  }
  for (unsigned int i = 0; i < count && found == None && depth > 1; ++i) {
    found = searchTree(display, children[i], matches, depth - 1);
  }
  if (children) XFree(children);
  return found;
}

template <typename Matches>
Window findWindow(Display* display, const Matches& matches) {
  const Window root = DefaultRootWindow(display);
  for (Window client : managedClients(display, root)) {
    if (matches(client)) return client;
  }
  return searchTree(display, root, matches, 3);
}

// Asks for the window to become the active one (which also restores it when
// minimised) and raises it directly for sessions without a window manager.
void activate(Display* display, Window target) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = target;
  event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = kSourcePager;
  event.xclient.data.l[1] = CurrentTime;
  event.xclient.data.l[2] = 0;
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XMapRaised(display, target);
  XFlush(display);
}

}  // namespace

template <typename Matches>
bool X11WindowRaiser::raiseMatching(const QString& what, const Matches& matches) {
  Display* display = XOpenDisplay(m_displayName.isEmpty() ? nullptr : m_displayName.constData());
  if (!display) {
    qCWarning(lcWindowRaiser) << "no X display to raise" << what << "on";
    return false;
  }
  const Window target = findWindow(display, [&](Window window) { return matches(display, window); });
  if (target == None) {
    qCWarning(lcWindowRaiser) << "no window" << what;
    XCloseDisplay(display);
    return false;
  }
  activate(display, target);
  XCloseDisplay(display);
  return true;
}

bool X11WindowRaiser::raiseWindow(const QString& title) {
  return raiseMatching(QLatin1String("titled ") + title,
                       [&](Display* display, Window window) { return windowTitle(display, window) == title; });
}

bool X11WindowRaiser::raiseWindowOfClass(const QString& windowClass) {
  return raiseMatching(QLatin1String("of class ") + windowClass, [&](Display* display, Window window) {
    return hasWindowClass(display, window, windowClass);
  });
}

std::unique_ptr<WindowRaiser> createDefaultWindowRaiser() {
  // A display can appear later (a session started after the driver), so the
  // X11 raiser is chosen whenever X might be there; it fails softly otherwise.
  return std::make_unique<X11WindowRaiser>();
}

}  // namespace platform
