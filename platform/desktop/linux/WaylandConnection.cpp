#include "platform/desktop/linux/WaylandConnection.h"

#include "platform/desktop/linux/DesktopAnswerTimeout.h"

#include <QDeadlineTimer>

#include <poll.h>
#include <wayland-client.h>

namespace platform {

WaylandConnection::WaylandConnection(const QByteArray& socket) {
  m_display = wl_display_connect(socket.isEmpty() ? nullptr : socket.constData());
  if (m_display) m_registry = wl_display_get_registry(m_display);
}

WaylandConnection::~WaylandConnection() {
  if (m_registry) wl_registry_destroy(m_registry);
  if (m_display) wl_display_disconnect(m_display);
}

bool WaylandConnection::dispatchUntil(const std::function<bool()>& done) {
  if (!m_display || m_broken) return false;
  const QDeadlineTimer deadline(kDesktopAnswerTimeoutMs);
  while (!done()) {
    if (wl_display_prepare_read(m_display) != 0) {
      if (wl_display_dispatch_pending(m_display) < 0) break;
      continue;
    }
    wl_display_flush(m_display);
    pollfd ready{wl_display_get_fd(m_display), POLLIN, 0};
    const int remaining = int(deadline.remainingTime());
    if (remaining <= 0 || poll(&ready, 1, remaining) <= 0) {
      wl_display_cancel_read(m_display);
      m_broken = true;
      return false;
    }
    if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0) break;
  }
  if (done()) return true;
  m_broken = true;
  return false;
}

bool WaylandConnection::roundtrip() {
  if (!m_display || m_broken) return false;
  // Counted on the connection, which outlives every callback it owns.
  static const wl_callback_listener listener = {[](void* data, wl_callback* callback, uint32_t) {
    ++*static_cast<quint64*>(data);
    wl_callback_destroy(callback);
  }};
  const quint64 awaited = ++m_syncsSent;
  wl_callback_add_listener(wl_display_sync(m_display), &listener, &m_syncsAnswered);
  return dispatchUntil([this, awaited] { return m_syncsAnswered >= awaited; });
}

}  // namespace platform
