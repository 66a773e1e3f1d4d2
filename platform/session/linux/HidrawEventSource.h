#pragma once

#include <QString>

namespace platform {

// Where a device watcher hears of hidraw nodes coming and going: udev in the
// real world, a pipe of text lines in tests. fd() becomes readable when
// next() has something.
class HidrawEventSource {
 public:
  struct Event {
    bool added = false;  // false: removed
    QString node;        // "hidraw3"
  };

  virtual ~HidrawEventSource() = default;
  virtual int fd() const = 0;
  // Takes the next pending event; false when none is pending. Events of
  // other kinds (a "change", a "bind") are skipped.
  virtual bool next(Event& event) = 0;
};

}  // namespace platform
