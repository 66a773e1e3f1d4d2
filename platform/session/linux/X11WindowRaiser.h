#pragma once

#include "platform/session/WindowRaiser.h"

#include <QByteArray>

namespace platform {

// Finds the window by _NET_WM_NAME or WM_NAME among the window manager's
// client list (or, without a window manager, the top-level windows) and asks
// for it to become the active window with a _NET_ACTIVE_WINDOW message, also
// raising it directly for sessions without a window manager.
class X11WindowRaiser : public WindowRaiser {
 public:
  // Null display name: $DISPLAY. Each call opens its own short connection.
  explicit X11WindowRaiser(QByteArray displayName = QByteArray()) : m_displayName(std::move(displayName)) {}
  bool raiseWindow(const QString& title) override;
  bool raiseWindowOfClass(const QString& windowClass) override;

 private:
  template <typename Matches>
  bool raiseMatching(const QString& what, const Matches& matches);

  QByteArray m_displayName;
};

}  // namespace platform
