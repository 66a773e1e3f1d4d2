#pragma once

#include <QByteArray>

#include <cstdint>

struct xcb_connection_t;

// Plays the window manager on a test X server, as far as the foreground
// watcher sees it: makes windows, names their process with _NET_WM_PID and
// says which one is active with _NET_ACTIVE_WINDOW on the root window.
class ForegroundTestDesktop {
 public:
  explicit ForegroundTestDesktop(const QByteArray& display);
  ~ForegroundTestDesktop();
  ForegroundTestDesktop(const ForegroundTestDesktop&) = delete;
  ForegroundTestDesktop& operator=(const ForegroundTestDesktop&) = delete;

  bool connected() const { return m_connection != nullptr; }

  // A new top-level window of process pid; 0 leaves _NET_WM_PID unset.
  uint32_t openWindow(int pid);
  void activate(uint32_t window);
  // No _NET_ACTIVE_WINDOW at all, as before a window manager starts.
  void clearActive();
  void closeWindow(uint32_t window);

 private:
  uint32_t atom(const char* name);
  void sync();

  xcb_connection_t* m_connection = nullptr;
  uint32_t m_root = 0;
};
