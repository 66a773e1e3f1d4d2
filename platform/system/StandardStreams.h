#pragma once

namespace platform {

// Which of standard input, output and error were closed when the program
// started. A closed one is reopened on /dev/null at once: otherwise the next
// file the program opens (an eventfd of Qt's, say) takes its number, and
// reading "standard input" would read that.
struct ClosedStandardStreams {
  bool input = false;
  bool output = false;
  bool error = false;
};

// Call first thing in main, before anything opens a file.
ClosedStandardStreams occupyClosedStandardStreams();

}  // namespace platform
