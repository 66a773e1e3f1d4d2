#pragma once

#include "InputXvfbServer.h"

#include <QTemporaryDir>
#include <memory>

// What a window test process sets up before its QApplication exists: a
// private HOME and XDG tree (no test touches the real user's settings), and
// a private Xvfb that Qt's xcb platform draws on, with Qt Quick's software
// renderer so the pictures do not depend on the machine's OpenGL.
class WindowProcess {
 public:
  // withDisplay false leaves the platform alone (listing the tests).
  explicit WindowProcess(bool withDisplay, const char* screen = "1600x1200x24");
  bool ready() const { return m_home.isValid() && (!m_withDisplay || (m_xvfb && m_xvfb->running())); }

 private:
  QTemporaryDir m_home;
  bool m_withDisplay;
  std::unique_ptr<InputXvfbServer> m_xvfb;
};
