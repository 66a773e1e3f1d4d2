#pragma once

#include "platform/display/DisplayOutput.h"

#include <QRect>
#include <QString>
#include <QVector>
#include <memory>

namespace platform {

// Results of a mode change, with the numbers the display settings of the
// original system use, so callers and logs speak one language.
enum DisplayChange : int {
  DisplayChangeSuccessful = 0,
  DisplayChangeFailed = -1,    // the window system refused or is not there
  DisplayChangeBadMode = -2,   // the output has no mode of that size or orientation
  DisplayChangeBadParam = -5,  // no output of that name
};

// The display outputs attached to the desktop and the one change the driver
// makes to them, turning an output. The process has one current source: the
// window system's unless a test or --simulate installs another.
class DisplayOutputs {
 public:
  virtual ~DisplayOutputs() = default;

  // The outputs attached to the desktop, in a stable order (the window
  // system's own). Empty when there is no window system to ask.
  virtual QVector<DisplayOutput> outputs() = 0;

  // Shows the output at `orientation` (0 to 3) with a mode of `size` pixels as
  // seen after rotation. Returns a DisplayChange value.
  virtual int setMode(const QString& outputName, int orientation, QSize size) = 0;

  // The part of the desktop an absolute tablet spreads over when the pen is
  // meant for `screen` (one output's rectangle, or the whole `desktop`); the
  // virtual pen's coordinates are fractions of it. X11 and most compositors
  // spread it over the whole desktop whatever `screen` is.
  virtual QRect penFrame(const QRect& screen, const QRect& desktop) {
    (void)screen;
    return desktop;
  }

  // False where the desktop spreads an absolute tablet over one output at
  // most (Plasma 5.27), so no pen can be mapped across several monitors.
  virtual bool spansPenAcrossOutputs() const { return true; }

  // A short name of the source, for the log: "xrandr", "sim", "none".
  virtual const char* kind() const = 0;

  static DisplayOutputs& current();
  // Takes ownership; null brings back the default on the next current().
  static void install(std::unique_ptr<DisplayOutputs> outputs);
};

// XRandR on the X display ($DISPLAY); on a session without X access the
// source finds no outputs and refuses every change.
std::unique_ptr<DisplayOutputs> createDefaultDisplayOutputs();

}  // namespace platform
