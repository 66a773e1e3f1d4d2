#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

struct wl_display;
struct wl_registry;

namespace platform {

// A short connection of our own to the Wayland compositor, for asking it
// about the desktop outside Qt's own connection. Every wait is bounded, so a
// compositor that stops answering cannot hang the window.
class WaylandConnection {
 public:
  // Null socket: $WAYLAND_DISPLAY.
  explicit WaylandConnection(const QByteArray& socket = QByteArray());
  ~WaylandConnection();
  WaylandConnection(const WaylandConnection&) = delete;
  WaylandConnection& operator=(const WaylandConnection&) = delete;

  bool isConnected() const { return m_display != nullptr; }
  wl_display* display() const { return m_display; }
  wl_registry* registry() const { return m_registry; }

  // Sends what is queued and handles events until the compositor has
  // answered everything sent so far. False on a timeout or a broken link.
  bool roundtrip();
  // Handles events until `done` says so. False on a timeout or broken link.
  bool dispatchUntil(const std::function<bool()>& done);

 private:
  wl_display* m_display = nullptr;
  wl_registry* m_registry = nullptr;
  bool m_broken = false;
  quint64 m_syncsSent = 0;
  quint64 m_syncsAnswered = 0;
};

}  // namespace platform
