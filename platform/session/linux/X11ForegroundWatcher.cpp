#include "platform/session/linux/X11ForegroundWatcher.h"

#include "platform/process/linux/ProcessTable.h"

#include <QLoggingCategory>

#include <xcb/xcb.h>

#include <atomic>
#include <cstdlib>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcForeground)

namespace platform {

namespace {

// Said once per process: the watcher retries every second, and a session
// without X would otherwise fill the log.
std::atomic_bool s_toldNoDisplay{false};

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

}  // namespace

X11ForegroundWatcher::X11ForegroundWatcher(QByteArray displayName, std::string procRoot)
    : m_displayName(std::move(displayName)), m_procRoot(std::move(procRoot)) {}

X11ForegroundWatcher::~X11ForegroundWatcher() { disconnect(); }

void X11ForegroundWatcher::disconnect() {
  if (m_connection) xcb_disconnect(m_connection);
  m_connection = nullptr;
}

bool X11ForegroundWatcher::connected() {
  if (m_connection && !xcb_connection_has_error(m_connection)) return true;
  disconnect();
  int screenNumber = 0;
  xcb_connection_t* connection =
      xcb_connect(m_displayName.isEmpty() ? nullptr : m_displayName.constData(), &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    if (!s_toldNoDisplay.exchange(true)) {
      qCWarning(lcForeground) << "no X display: the program in front is not known, every program uses the "
                                 "common keys";
    }
    return false;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
  if (!screens.rem) {
    xcb_disconnect(connection);
    return false;
  }
  m_connection = connection;
  m_root = screens.data->root;
  m_activeWindowAtom = internAtom(connection, "_NET_ACTIVE_WINDOW");
  m_pidAtom = internAtom(connection, "_NET_WM_PID");
  return true;
}

uint32_t X11ForegroundWatcher::cardinalProperty(uint32_t window, uint32_t property, uint32_t type) {
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, 1), nullptr);
  uint32_t value = 0;
  if (reply && reply->type == type && reply->format == 32 && xcb_get_property_value_length(reply) >= 4) {
    std::memcpy(&value, xcb_get_property_value(reply), sizeof value);
  }
  std::free(reply);
  return value;
}

quint64 X11ForegroundWatcher::activeWindow() {
  if (!connected() || m_activeWindowAtom == XCB_ATOM_NONE) return 0;
  return cardinalProperty(m_root, m_activeWindowAtom, XCB_ATOM_WINDOW);
}

QString X11ForegroundWatcher::programOf(quint64 window) {
  if (window == 0 || window > 0xffffffffu || !connected() || m_pidAtom == XCB_ATOM_NONE) return QString();
  const uint32_t pid = cardinalProperty(uint32_t(window), m_pidAtom, XCB_ATOM_CARDINAL);
  if (pid == 0 || pid > 0x7fffffffu) return QString();
  return QString::fromStdString(ProcessTable(m_procRoot).programPath(int(pid)));
}

}  // namespace platform
