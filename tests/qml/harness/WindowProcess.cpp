#include "WindowProcess.h"

#include <QDir>
#include <cstdlib>

WindowProcess::WindowProcess(bool withDisplay, const char* screen)
    : m_home(QDir::tempPath() + "/varnex-window-XXXXXX"), m_withDisplay(withDisplay) {
  const QByteArray root = m_home.path().toUtf8();
  setenv("HOME", root.constData(), 1);
  setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
  setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
  setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
  setenv("XDG_RUNTIME_DIR", root.constData(), 1);
  if (!withDisplay) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return;
  }
  m_xvfb = std::make_unique<InputXvfbServer>(screen);
  if (!m_xvfb->running()) return;
  setenv("DISPLAY", m_xvfb->display().constData(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("QT_QUICK_BACKEND", "software", 1);
  setenv("QT_XCB_GL_INTEGRATION", "none", 1);
  unsetenv("WAYLAND_DISPLAY");
}
