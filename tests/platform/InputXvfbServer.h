#pragma once

#include <QByteArray>
#include <sys/types.h>

// A private Xvfb for one test: started on a display number the server picks
// itself, killed when the object goes.
class InputXvfbServer {
 public:
  // screen: Xvfb's "-screen 0" geometry, WIDTHxHEIGHTxDEPTH.
  explicit InputXvfbServer(const char* screen = "640x480x24");
  ~InputXvfbServer();
  InputXvfbServer(const InputXvfbServer&) = delete;
  InputXvfbServer& operator=(const InputXvfbServer&) = delete;

  bool running() const { return !m_display.isEmpty(); }
  // ":N"
  const QByteArray& display() const { return m_display; }

 private:
  pid_t m_pid = -1;
  QByteArray m_display;
};
