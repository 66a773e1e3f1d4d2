#pragma once

#include "platform/session/ForegroundWatcher.h"

#include <QByteArray>

#include <cstdint>
#include <string>

struct xcb_connection_t;

namespace platform {

// The active window from the root window's _NET_ACTIVE_WINDOW, its process
// from the window's _NET_WM_PID, the program from /proc. Holds one XCB
// connection for the thread that made it: XCB reports failed requests per
// reply (a window closed between two reads is just no answer) and a lost
// server as a broken connection, where Xlib would end the process. A lost or
// missing display is tried again on the next call.
class X11ForegroundWatcher : public ForegroundWatcher {
 public:
  // Empty display name: $DISPLAY. procRoot: where /proc is (tests move it).
  explicit X11ForegroundWatcher(QByteArray displayName = QByteArray(), std::string procRoot = "/proc");
  ~X11ForegroundWatcher() override;
  X11ForegroundWatcher(const X11ForegroundWatcher&) = delete;
  X11ForegroundWatcher& operator=(const X11ForegroundWatcher&) = delete;

  quint64 activeWindow() override;
  QString programOf(quint64 window) override;

 private:
  bool connected();
  void disconnect();
  // The first 32-bit item of a property, 0 when it is missing or not of type.
  uint32_t cardinalProperty(uint32_t window, uint32_t property, uint32_t type);

  QByteArray m_displayName;
  std::string m_procRoot;
  xcb_connection_t* m_connection = nullptr;
  uint32_t m_root = 0;
  uint32_t m_activeWindowAtom = 0;
  uint32_t m_pidAtom = 0;
};

}  // namespace platform
