#pragma once

struct _XDisplay;

namespace platform {

// Catches the X errors of one stretch of Xlib calls instead of letting the
// default handler end the process: an output or CRTC unplugged between two
// requests answers BadRRCrtc, which is no reason to take the driver down.
// Xlib's handler is process-wide, so stretches are serialised and the handler
// in place before is restored afterwards.
class XErrorTrap {
 public:
  explicit XErrorTrap(_XDisplay* display);
  ~XErrorTrap();
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;

  // Waits for the server to answer everything sent so far and tells whether
  // any of it failed since the trap was set.
  bool failedSoFar();

 private:
  _XDisplay* m_display;
};

}  // namespace platform
