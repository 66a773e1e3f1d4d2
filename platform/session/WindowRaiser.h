#pragma once

#include <QString>
#include <memory>

namespace platform {

// Brings a top-level window of this session to the front, found by its
// title, without moving or resizing it. The process has one current raiser.
class WindowRaiser {
 public:
  virtual ~WindowRaiser() = default;

  // True when a window with exactly that title was found and asked to come
  // forward.
  virtual bool raiseWindow(const QString& title) = 0;
  // The same for a window of that class (WM_CLASS on X11), also when Wine
  // runs the program and names the class after its executable ("<class>.exe").
  // Restores the window when it is minimised.
  virtual bool raiseWindowOfClass(const QString& windowClass) = 0;

  static WindowRaiser& current();
  static void install(std::unique_ptr<WindowRaiser> raiser);
};

// The X11 raiser when an X display is there, else one that finds nothing.
std::unique_ptr<WindowRaiser> createDefaultWindowRaiser();

}  // namespace platform
